#include "files/picture_import.h"

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

void CellRows::allocate(uint32_t width, uint32_t height) {
    width_ = width;
    height_ = height;
    if (Canvas::sizeAllowed(width, height)) {
        cells_.allocate(std::size_t(width) * height);
    } else {
        cells_.reset();
    }
}

void CellRows::put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel, ChannelOrder order) {
    if (cells_.empty()) {
        return;
    }
    CanvasCell* cells = cells_.data() + std::size_t(y) * width_;
    const bool rgb = order == ChannelOrder::Rgb;
    if (bytesPerPixel == 4) {
        rgb ? pixelsToCells<4, 0>(pixels, width_, cells)
            : pixelsToCells<4, 2>(pixels, width_, cells);
    } else {
        rgb ? pixelsToCells<3, 0>(pixels, width_, cells)
            : pixelsToCells<3, 2>(pixels, width_, cells);
    }
}

LargeBuffer<CanvasCell> cellsFromPicture(const Surface& picture) {
    CellRows rows;
    if (!rows.start(picture.width(), picture.height())) {
        throw std::bad_alloc();
    }
    for (uint32_t y = 0; y < picture.height(); ++y) {
        rows.put(y, picture.row(y), picture.bytesPerPixel(), ChannelOrder::Bgr);
    }
    return rows.release();
}

}  // namespace dw
