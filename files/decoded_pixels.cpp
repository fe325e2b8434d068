#include "files/decoded_pixels.h"

#include <cstring>

#include "canvas/surface.h"

namespace dw {

void pixelsToBgr(const uint8_t* source, uint32_t width, uint32_t bytesPerPixel, ChannelOrder order,
                 uint8_t* target) {
    if (order == ChannelOrder::Bgr && bytesPerPixel == 3) {
        std::memcpy(target, source, std::size_t(width) * 3);
        return;
    }
    const int red = order == ChannelOrder::Rgb ? 0 : 2;
    for (uint32_t x = 0; x < width; ++x, source += bytesPerPixel, target += 3) {
        target[0] = source[2 - red];
        target[1] = source[1];
        target[2] = source[red];
    }
}

bool adoptPixels(const uint8_t* pixels, uint32_t width, uint32_t height, uint32_t bytesPerPixel,
                 ChannelOrder order, Surface& surface) {
    Surface picture;
    picture.create(width, height);
    if (!picture.valid()) {
        return false;
    }
    const std::size_t rowBytes = std::size_t(width) * bytesPerPixel;
    for (uint32_t y = 0; y < height; ++y) {
        pixelsToBgr(pixels + y * rowBytes, width, bytesPerPixel, order, picture.row(y));
    }
    surface = std::move(picture);
    return true;
}

}  // namespace dw
