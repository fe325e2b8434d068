#include "files/pixel_rows.h"

#include <new>

#include "canvas/surface.h"

namespace dw {

bool PixelRows::start(uint32_t width, uint32_t height) {
    outOfMemory_ = false;
    try {
        allocate(width, height);
    } catch (const std::bad_alloc&) {
        outOfMemory_ = true;
        return false;
    }
    return true;
}

uint8_t* PixelRows::placeForRow(uint32_t, uint32_t, ChannelOrder) {
    return nullptr;
}

bool PixelRows::take(Surface&& picture) {
    return putPicture(picture);
}

bool PixelRows::putPicture(const Surface& picture) {
    if (!start(picture.width(), picture.height())) {
        return false;
    }
    for (uint32_t y = 0; y < picture.height(); ++y) {
        put(y, picture.row(y), picture.bytesPerPixel(), ChannelOrder::Bgr);
    }
    return true;
}

bool putPixels(PixelRows& rows, const uint8_t* pixels, uint32_t width, uint32_t height,
               uint32_t bytesPerPixel, ChannelOrder order) {
    if (!rows.start(width, height)) {
        return false;
    }
    const std::size_t rowBytes = std::size_t(width) * bytesPerPixel;
    for (uint32_t y = 0; y < height; ++y) {
        rows.put(y, pixels + y * rowBytes, bytesPerPixel, order);
    }
    return true;
}

}  // namespace dw
