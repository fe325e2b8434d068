#include <algorithm>

#include "canvas/simd_level.h"
#include "tools/dab_square.h"
#include "tools/deposit_row.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

constexpr uint8_t kUntextured = 255;

enum class Relief { PullToCentre, Scrape };
enum class Strength { Textured, Solid };
enum class Shading { Square, Deferred };

// Paint Brush, Tube Paint and Knife differ only in their strength and in where they push the
// relief; one loop serves all three so that they cannot drift apart.
template <Strength strength, Relief relief, Shading shading = Shading::Square>
void deposit(Canvas& canvas, int x, int y, const BrushSettings& s, const DabContext& context) {
    if (!canvas.contains(x, y)) {
        return;
    }
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    if (square.empty()) {
        return;
    }
    const DepositDab d{s.amount,
                       canvas.at(uint32_t(x), uint32_t(y)).height,
                       s.thickness,
                       s.red,
                       s.green,
                       s.blue,
                       s.glossLevel,
                       s.texture != 0,
                       strength == Strength::Solid,
                       relief == Relief::Scrape};
    const SamplingOffsets& offsets = context.offsets;
    const dab::PatternSampler style(context.patterns.styleTiles[dab::patternNumber(s.paintStyle)],
                                    offsets.styleOffsetX, offsets.styleOffsetY, square);
    const dab::PatternSampler texture(context.patterns.textureTiles[dab::patternNumber(s.texture)],
                                      offsets.textureOffsetX, offsets.textureOffsetY, square);
    [[maybe_unused]] const bool wide = simdLevel() == SimdLevel::Avx2;
    uint8_t textureRow[dab::kMaxSide];
    std::fill_n(textureRow, dab::kMaxSide, kUntextured);
    uint8_t styleRow[dab::kMaxSide];
    dab::forEachWeightedRow(
        canvas, square, context.footprint,
        [&](CanvasCell* cells, const float* weights, int count, int first, int j) {
            if (d.textured) {
                texture.copyRow(first, count, j, textureRow);
            }
            style.copyRow(first, count, j, styleRow);
#if defined(__x86_64__)
            if (wide) {
                depositRowAvx2(d, cells, weights, textureRow, styleRow, count);
                return;
            }
#endif
            for (int n = 0; n < count; ++n) {
                if (weights[n] > 0.0f) {
                    depositCell(d, cells[n], weights[n], textureRow[n], styleRow[n]);
                }
            }
        });
    if constexpr (shading == Shading::Square) {
        dab::reshade(canvas, square);
    }
}

}  // namespace

void PaintBrush(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    deposit<Strength::Textured, Relief::PullToCentre>(canvas, x, y, s, context);
}

void PaintBrushDeferredShading(Canvas& canvas, int x, int y, BrushSettings s,
                               const DabContext& context) {
    deposit<Strength::Textured, Relief::PullToCentre, Shading::Deferred>(canvas, x, y, s, context);
}

void TubePaint(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    deposit<Strength::Solid, Relief::PullToCentre>(canvas, x, y, s, context);
}

void Knife(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    deposit<Strength::Textured, Relief::Scrape>(canvas, x, y, s, context);
}

void GelBrush(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    if (!canvas.contains(x, y)) {
        return;
    }
    const double centreHeight = canvas.at(uint32_t(x), uint32_t(y)).height;
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    if (square.empty()) {
        return;
    }
    const bool textured = s.texture != 0;
    const dab::PatternSampler texture(context.patterns.textureTiles[dab::patternNumber(s.texture)],
                                      context.offsets.textureOffsetX,
                                      context.offsets.textureOffsetY, square);
    const double amount = s.amount;
    const double thickness = s.thickness;
    dab::forEachWeightedCell(canvas, square, context.footprint,
                             [&](CanvasCell& cell, float w, int i, int j) {
                                 const float fa = float(w * amount);
                                 double add = 0.5 * fa * thickness;
                                 if (textured) {
                                     add = add * texture.at(i, j) * kTextureLift;
                                 }
                                 const double h = cell.height;
                                 cell.height = float(add + (centreHeight - h) * 0.5 * fa + h);
                                 cell.gloss = dab::moveToward(cell.gloss, s.glossLevel, fa);
                             });
    dab::reshade(canvas, square);
}

}  // namespace dw
