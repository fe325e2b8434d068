#pragma once

#include <cstdint>

#include "canvas/canvas_cell.h"
#include "canvas/large_buffer.h"

namespace dw {

class Surface;

// File > Import Image turns a pixel into a flat, fully glossy cell: the grey common to red,
// green and blue becomes the paint value (which the renderer adds back to all three) and the
// colour keeps the rest, so at least one colour byte is 0.
inline CanvasCell cellFromPixel(uint8_t red, uint8_t green, uint8_t blue) {
    uint8_t paint = red < green ? red : green;
    paint = blue < paint ? blue : paint;
    return {uint8_t(red - paint),
            uint8_t(green - paint),
            uint8_t(blue - paint),
            paint,
            255,
            {0, 0, 0},
            1.0f};
}

// One cell per pixel of the picture, rows from the top: cell (x, y) sits at y * width + x.
// Throws std::bad_alloc when the cells do not fit in memory.
LargeBuffer<CanvasCell> cellsFromPicture(const Surface& picture);

}  // namespace dw
