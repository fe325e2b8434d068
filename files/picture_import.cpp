#include "files/picture_import.h"

#include <cstring>
#include <new>

#include "canvas/canvas.h"
#include "canvas/surface.h"

namespace dw {
namespace {

template <uint32_t kBytesPerPixel, int kRed>
void pixelsToCells(const uint8_t* pixel, uint32_t width, CanvasCell* cell) {
    for (uint32_t x = 0; x < width; ++x, pixel += kBytesPerPixel) {
        cell[x] = cellFromPixel(pixel[kRed], pixel[1], pixel[2 - kRed]);
    }
}

}  // namespace

// Large enough that handing a band over costs nothing, small enough to stay in the cache.
constexpr uint32_t kBandRows = 16;

CellRows::~CellRows() noexcept {
    waitForAll();
}

void CellRows::waitForAll() {
    for (Band& band : bands_) {
        band.converting.wait();
    }
}

void CellRows::allocate(uint32_t width, uint32_t height) {
    waitForAll();
    width_ = width;
    height_ = height;
    if (!Canvas::sizeAllowed(width, height)) {
        cells_.reset();
        return;
    }
    cells_.allocate(std::size_t(width) * height);
    for (Band& band : bands_) {
        band.pixels.resize(std::size_t(width) * 4 * kBandRows);
        band.count = 0;
    }
}

CellRows::Band& CellRows::bandFor(uint32_t y, uint32_t bytesPerPixel, ChannelOrder order) {
    Band* band = &bands_[filling_];
    if (band->count > 0 && (y != band->first + band->count ||
                            bytesPerPixel != band->bytesPerPixel || order != band->order)) {
        handOver();
        band = &bands_[filling_];
    }
    if (band->count == 0) {
        band->first = y;
        band->bytesPerPixel = bytesPerPixel;
        band->order = order;
    }
    return *band;
}

uint8_t* CellRows::placeForRow(uint32_t y, uint32_t bytesPerPixel, ChannelOrder order) {
    if (cells_.empty()) {
        return nullptr;
    }
    Band& band = bandFor(y, bytesPerPixel, order);
    return band.pixels.data() + band.count * std::size_t(width_) * bytesPerPixel;
}

void CellRows::put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel, ChannelOrder order) {
    if (cells_.empty()) {
        return;
    }
    Band& band = bandFor(y, bytesPerPixel, order);
    const std::size_t rowBytes = std::size_t(width_) * bytesPerPixel;
    uint8_t* place = band.pixels.data() + band.count * rowBytes;
    if (pixels != place) {
        std::memcpy(place, pixels, rowBytes);
    }
    if (++band.count == kBandRows) {
        handOver();
    }
}

// A band is refilled only once its cells are written.
void CellRows::handOver() {
    Band& band = bands_[filling_];
    if (band.count == 0) {
        return;
    }
    band.converting.run([this, &band] { convert(band); });
    filling_ = (filling_ + 1) % kBands;
    bands_[filling_].converting.wait();
}

void CellRows::convert(Band& band) {
    const std::size_t rowBytes = std::size_t(width_) * band.bytesPerPixel;
    const bool rgb = band.order == ChannelOrder::Rgb;
    for (uint32_t row = 0; row < band.count; ++row) {
        const uint8_t* pixels = band.pixels.data() + row * rowBytes;
        CanvasCell* cells = cells_.data() + std::size_t(band.first + row) * width_;
        if (band.bytesPerPixel == 4) {
            rgb ? pixelsToCells<4, 0>(pixels, width_, cells)
                : pixelsToCells<4, 2>(pixels, width_, cells);
        } else {
            rgb ? pixelsToCells<3, 0>(pixels, width_, cells)
                : pixelsToCells<3, 2>(pixels, width_, cells);
        }
    }
    band.count = 0;
}

LargeBuffer<CanvasCell> CellRows::release() {
    handOver();
    waitForAll();
    return std::move(cells_);
}

LargeBuffer<CanvasCell> cellsFromPicture(const Surface& picture) {
    CellRows rows;
    if (!rows.putPicture(picture)) {
        throw std::bad_alloc();
    }
    return rows.release();
}

}  // namespace dw
