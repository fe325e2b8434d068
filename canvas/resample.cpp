#include <algorithm>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/truncation.h"

namespace dw {
namespace {

// Where one new column (or row) samples the old grid.
struct SamplePosition {
    uint32_t index;   // x0 or y0
    uint32_t next;    // x0 + 1, or x0 itself at the far edge
    double fraction;  // fx or fy
};

std::vector<SamplePosition> samplePositions(uint32_t oldLength, uint32_t newLength) {
    const float ratio = float(double(oldLength) / double(newLength));
    std::vector<SamplePosition> positions(newLength);
    for (uint32_t i = 0; i < newLength; ++i) {
        const double s = double(i) * ratio;
        const uint32_t index = std::min<uint32_t>(uint32_t(s), oldLength - 1);
        positions[i] = {index, index < oldLength - 1 ? index + 1 : index, s - index};
    }
    return positions;
}

uint8_t mixByte(uint8_t a, uint8_t b, uint8_t c, uint8_t d, double fx, double fy) {
    const double top = a + fx * (b - a);
    const double bottom = c + fx * (d - c);
    return truncToByte(top + fy * (bottom - top));
}

}  // namespace

void Canvas::resample(uint32_t newWidth, uint32_t newHeight) {
    if (!hasCells() || newWidth == 0 || newHeight == 0) {
        return;
    }
    const std::vector<SamplePosition> columns = samplePositions(width_, newWidth);
    const std::vector<SamplePosition> rows = samplePositions(height_, newHeight);
    LargeBuffer<CanvasCell> result(std::size_t(newWidth) * newHeight);
    const CanvasCell* old = cells_.data();
    for (uint32_t j = 0; j < newHeight; ++j) {
        const SamplePosition& row = rows[j];
        const bool lastRow = row.next == row.index;
        const CanvasCell* top = old + std::size_t(row.index) * width_;
        const CanvasCell* below = old + std::size_t(row.next) * width_;
        CanvasCell* out = result.data() + std::size_t(j) * newWidth;
        for (uint32_t i = 0; i < newWidth; ++i) {
            const SamplePosition& col = columns[i];
            const bool lastColumn = col.next == col.index;
            const CanvasCell& a = top[col.index];
            const CanvasCell& b = top[col.next];
            const CanvasCell& c = below[col.index];
            // At the right or bottom edge D falls back to A, not to B or C.
            const CanvasCell& d = (lastRow || lastColumn) ? a : below[col.next];
            const double fx = col.fraction;
            const double fy = row.fraction;
            CanvasCell& t = out[i];
            t.red = mixByte(a.red, b.red, c.red, d.red, fx, fy);
            t.green = mixByte(a.green, b.green, c.green, d.green, fx, fy);
            t.blue = mixByte(a.blue, b.blue, c.blue, d.blue, fx, fy);
            t.paint = mixByte(a.paint, b.paint, c.paint, d.paint, fx, fy);
            t.gloss = mixByte(a.gloss, b.gloss, c.gloss, d.gloss, fx, fy);
            t.unused[0] = t.unused[1] = t.unused[2] = 0;
            const double hTop = a.height + fx * (double(b.height) - a.height);
            const double hBottom = c.height + fx * (double(d.height) - c.height);
            t.height = float(hTop + fy * (hBottom - hTop));
        }
    }
    adoptCells(std::move(result), newWidth, newHeight);
}

}  // namespace dw
