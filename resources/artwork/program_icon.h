#pragma once

#include <cstdint>
#include <vector>

#include "resources/artwork/picture.h"

namespace dw::artwork {

// A picture with its transparency, one byte a pixel, rows top-down.
struct TransparentPicture {
    Picture colour;
    std::vector<uint8_t> alpha;
};

// The program's icon: a glossy swirl of thick paint on a dark rounded square, at the given
// side in pixels (drawn at 256 and reduced).
TransparentPicture programIcon(int side);

// The canvas cursor, 32 x 32: a ring with a centre dot. Its hotspot is pixel (15, 15).
TransparentPicture canvasCursor();
inline constexpr int kCursorHotspot = 15;

}  // namespace dw::artwork
