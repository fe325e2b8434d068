#pragma once

#include <cstdint>
#include <vector>

#include "canvas/pattern_images.h"

namespace dw {

// Column inside the 200-wide tile for every column of the painting, so that the cell loops
// need no modulo.
std::vector<uint8_t> tiledColumns(float offsetX, uint32_t width);

// The tile of a paint style or texture by number; numbers past the last image read the last
// image, as they do for the tools.
const PatternTile& styleTile(const PatternImages& patterns, int number);
const PatternTile& textureTile(const PatternImages& patterns, int number);

}  // namespace dw
