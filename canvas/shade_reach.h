#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "canvas/cell_area.h"

namespace dw {

// Rows y0..y1-1, and the column spans [first, second) to shade in each of them.
struct ShadeBand {
    uint32_t y0 = 0;
    uint32_t y1 = 0;
    std::vector<std::pair<uint32_t, uint32_t>> spans;
};

// The pixels of a width x height painting whose shade reads a cell of the changed areas, top
// to bottom: the cells within reach of a pixel's normal and displaced paint read (19 cells),
// and those whose reads wrap around an edge of the painting.
std::vector<ShadeBand> pixelsReading(const std::vector<CellArea>& changed, uint32_t width,
                                     uint32_t height);

}  // namespace dw
