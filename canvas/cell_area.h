#pragma once

#include <cstdint>

namespace dw {

// Columns x0..x1-1 and rows y0..y1-1 of a grid of cells.
struct CellArea {
    uint32_t x0 = 0;
    uint32_t y0 = 0;
    uint32_t x1 = 0;
    uint32_t y1 = 0;

    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

}  // namespace dw
