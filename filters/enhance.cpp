#include "filters/enhance.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "filters/cell_blend.h"
#include "filters/filter_frame.h"

namespace dw {
namespace {

constexpr double kFullScale = 255.0f;
constexpr double kPaintStrength = 0.25f;

struct Levels {
    int colourMin = 255;
    int colourMax = 0;
    int paintMin = 255;
    int paintMax = 0;
};

Levels measureLevels(const Canvas& painting) {
    // Plain bytes as accumulators let the compiler vectorise the scan.
    uint8_t colourMin = 255;
    uint8_t colourMax = 0;
    uint8_t paintMin = 255;
    uint8_t paintMax = 0;
    const CanvasCell* cells = painting.cells();
    const std::size_t count = painting.hasCells() ? painting.cellCount() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CanvasCell& c = cells[i];
        const uint8_t low = std::min(std::min(c.red, c.green), c.blue);
        const uint8_t high = std::max(std::max(c.red, c.green), c.blue);
        colourMin = std::min(colourMin, low);
        colourMax = std::max(colourMax, high);
        paintMin = std::min(paintMin, c.paint);
        paintMax = std::max(paintMax, c.paint);
    }
    return {colourMin, colourMax, paintMin, paintMax};
}

// The divisor is the largest value, not the range between smallest and largest; a zero
// maximum scales by 0 instead of dividing by it.
float stretchScale(int maximum) {
    return maximum == 0 ? 0.0f : float(kFullScale / maximum);
}

uint8_t stretched(int value, int minimum, float scale) {
    return uint8_t(clampInt(truncToInt((value - minimum) * double(scale)), 0, 255));
}

}  // namespace

void enhance(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    const Levels levels = measureLevels(painting);
    const float colourScale = stretchScale(levels.colourMax);
    const float paintScale = stretchScale(levels.paintMax);
    // Every result depends on one byte alone: blend it once per value, not once per cell.
    std::array<uint8_t, 256> colourOf{};
    std::array<uint8_t, 256> paintOf{};
    for (int v = 0; v < 256; ++v) {
        colourOf[v] = blendByte(uint8_t(v), stretched(v, levels.colourMin, colourScale));
        const int p = stretched(v, levels.paintMin, paintScale);
        paintOf[v] = blendByte(uint8_t(v), truncToByte(v + kPaintStrength * (p - v)));
    }
    rewriteCells(painting, history, [&](CanvasCell& c) {
        c.red = colourOf[c.red];
        c.green = colourOf[c.green];
        c.blue = colourOf[c.blue];
        c.paint = paintOf[c.paint];
    });
}

}  // namespace dw
