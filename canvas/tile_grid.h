#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "canvas/cell_area.h"

namespace dw {

// A painting cut into squares: what the undo history saves before the first write to any of
// their cells. Tiles are numbered row by row; those on the right and bottom edges are cut
// short by the painting.
struct TileGrid {
    static constexpr uint32_t kSide = 64;

    uint32_t width = 0;  // of the painting, in cells
    uint32_t height = 0;

    uint32_t across() const { return (width + kSide - 1) / kSide; }
    uint32_t down() const { return (height + kSide - 1) / kSide; }
    uint32_t count() const { return across() * down(); }

    CellArea area(uint32_t index) const {
        const uint32_t x0 = index % across() * kSide;
        const uint32_t y0 = index / across() * kSide;
        return {x0, y0, std::min(x0 + kSide, width), std::min(y0 + kSide, height)};
    }
    std::size_t cellsIn(uint32_t index) const {
        const CellArea a = area(index);
        return std::size_t(a.x1 - a.x0) * (a.y1 - a.y0);
    }
};

}  // namespace dw
