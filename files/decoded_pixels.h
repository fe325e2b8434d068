#pragma once

#include <cstdint>

#include "files/pixel_rows.h"

namespace dw {

class Surface;

// One row of 3 or 4 bytes a pixel as blue, green, red (the fourth byte dropped).
void pixelsToBgr(const uint8_t* source, uint32_t width, uint32_t bytesPerPixel, ChannelOrder order,
                 uint8_t* target);

// Packed rows of 3 or 4 bytes a pixel, top row first, into a new 24-bit surface (the fourth
// byte dropped). False, leaving the surface as it was, when the picture cannot be held.
bool adoptPixels(const uint8_t* pixels, uint32_t width, uint32_t height, uint32_t bytesPerPixel,
                 ChannelOrder order, Surface& surface);

}  // namespace dw
