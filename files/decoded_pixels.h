#pragma once

#include <cstdint>

namespace dw {

class Surface;

inline bool sidesFit(int64_t width, int64_t height, uint32_t maxSide) {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide;
}

enum class ChannelOrder { Rgb, Bgr };

// Packed rows of 3 or 4 bytes a pixel, top row first, into a new 24-bit surface (the fourth
// byte dropped). False, leaving the surface as it was, when the picture cannot be held.
bool adoptPixels(const uint8_t* pixels, uint32_t width, uint32_t height, uint32_t bytesPerPixel,
                 ChannelOrder order, Surface& surface);

}  // namespace dw
