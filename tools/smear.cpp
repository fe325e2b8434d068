#include "canvas/byte_fraction.h"
#include "tools/dab_square.h"
#include "tools/smear_tools.h"

namespace dw {
namespace {

constexpr float kReach = 0.9f;

// The source of the smear along one axis: trunc((c - centre) x 0.9 + c) in float, kept on
// the canvas.
int smearSource(int c, int centre, uint32_t side) {
    const float offset = float(c - centre) * kReach;
    const float source = offset + float(c);
    return clampInt(truncToInt(source), 0, int(side) - 1);
}

}  // namespace

void Finger(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    if (!canvas.contains(x, y)) {
        return;
    }
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    if (square.empty()) {
        return;
    }
    int sourceColumns[dab::kMaxSide];
    int sourceRows[dab::kMaxSide];
    for (int i = square.x0; i < square.x1; ++i) {
        sourceColumns[i - square.x0] = smearSource(i, x, canvas.width());
    }
    for (int j = square.y0; j < square.y1; ++j) {
        sourceRows[j - square.y0] = smearSource(j, y, canvas.height());
    }
    const bool textured = s.texture != 0;
    const dab::PatternSampler texture(context.patterns.textureTiles[dab::patternNumber(s.texture)],
                                      context.offsets.textureOffsetX,
                                      context.offsets.textureOffsetY, square);
    const double amount = s.amount;
    const CanvasCell* cells = canvas.cells();
    const std::size_t width = canvas.width();
    dab::forEachWeightedCellByColumn(
        canvas, square, context.footprint, [&](CanvasCell& cell, float w, int i, int j) {
            // A copy: the source may be this very cell, or one this dab changed already.
            const CanvasCell source = cells[std::size_t(sourceRows[j - square.y0]) * width +
                                            std::size_t(sourceColumns[i - square.x0])];
            const int t = textured ? texture.at(i, j) : 255;
            const float k = float(w * amount * t * kByteFraction);
            cell.red = dab::moveToward(cell.red, source.red, k);
            cell.green = dab::moveToward(cell.green, source.green, k);
            cell.blue = dab::moveToward(cell.blue, source.blue, k);
            cell.paint = dab::moveToward(cell.paint, source.paint, k);
            cell.gloss = dab::moveToward(cell.gloss, source.gloss, k);
            const double h = cell.height;
            cell.height = float((source.height - h) * k + h);
        });
    dab::reshade(canvas, square);
}

}  // namespace dw
