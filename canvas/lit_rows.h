#pragma once

#include <cstdint>

#include "canvas/canvas_cell.h"

namespace dw {

// What the wide shading kernels read: the whole grid and the gloss map. They assume the fixed
// light (0, 1, 0), under which the diffuse term is exactly 1 / length of the normal.
struct LitGrid {
    const CanvasCell* cells;
    uint32_t width;
    uint32_t height;
    const uint8_t* glossMap;  // 256 x 256
    bool lighting;
};

// What a band of rows keeps near the processor while the wide kernel walks down it: the
// heights of the three rows around the one being shaded, and the paint of the rows a lookup
// can reach (20 above and below), for the columns it can reach. The caller provides the
// buffers; the kernel fills them as it goes.
struct LitBand {
    static constexpr uint32_t kPaintRows = 64;  // a power of two above 41
    static constexpr uint32_t kChunkGroups = 64;
    // Where a group of eight reads its paint, once its arithmetic is done.
    static constexpr uint8_t kFromBand = 0;
    static constexpr uint8_t kFromGrid = 1;  // wrapped around the edge, or a narrow band
    static constexpr uint8_t kSkipped = 2;   // a normal that is not a number
    // Up to this many columns of paint, the rows a lookup can reach stay in the processor's
    // second-level cache as they are, and copying them out would cost more than it saves.
    static constexpr uint32_t kNarrowColumns = 512;

    // The inner columns [x0, x1) shaded in every row of the band: 1 <= x0 < x1 <= width - 1.
    uint32_t x0;
    uint32_t x1;
    float* heights;         // 3 rows of x1 - x0 + 2 floats: columns x0 - 1 .. x1
    uint8_t* paint;         // kPaintRows rows of paintStride bytes
    uint32_t paintColumn0;  // column of the first paint byte of a row
    uint32_t paintStride;   // columns held
    // Eight entries a group of eight columns, for the kChunkGroups groups worked on at a time:
    // the normal before its length is divided out, the paint's offset from the band's or the
    // grid's paint, the gloss map index and the diffuse term (the normal's length until the
    // divisions); one kind a group of the row ((x1 - x0 + 7) / 8 groups).
    float* slopeX;
    float* slopeZ;
    int32_t* lookup;
    int32_t* glossIndex;
    float* diffuse;
    uint8_t* groupKind;
    bool paintFromCells;  // a narrow band reads the paint from the cells, paint is unused
    int64_t heightRow[3] = {-1, -1, -1};
    int64_t paintLow = 0;  // rows held: paintLow..paintHigh
    int64_t paintHigh = -1;
};

inline LitBand litBandFor(uint32_t width, uint32_t x0, uint32_t x1) {
    const uint32_t column0 = x0 > 20 ? x0 - 20 : 0;
    const uint32_t column1 = x1 + 20 < width ? x1 + 20 : width;
    return {x0,
            x1,
            nullptr,
            nullptr,
            column0,
            column1 - column0,
            nullptr,
            nullptr,
            nullptr,
            nullptr,
            nullptr,
            nullptr,
            column1 - column0 <= LitBand::kNarrowColumns};
}

// Shades the band's cells of row y (0 < y < height - 1) into rowPixels (the row's pixel 0),
// eight at a time, and returns the column it stopped at (x1, or x0 for fewer than eight
// columns); the caller shades the rest. Groups of eight holding a normal that is not a number
// are skipped and their first columns put in redo ((x1 - x0 + 7) / 8 entries at most), to be
// shaded by the caller.
uint32_t shadeInnerRowAvx2(const LitGrid& grid, LitBand& band, uint32_t y, uint8_t* rowPixels,
                           uint32_t* redo, uint32_t& redoCount);

}  // namespace dw
