#include "canvas/byte_fraction.h"
#include "tools/dab_square.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

// 1/255 as the float the strength is scaled with.
constexpr int kUntextured = 255;
// Height per unit of texture sample.
constexpr float kTextureLift = 0.001f;

enum class Relief { PullToCentre, Scrape };
enum class Strength { Textured, Solid };
enum class Shading { Square, Deferred };

// The height a deposit adds: half the strength times the thickness, scaled by the texture
// sample when there is a texture.
struct ThicknessAdd {
    double thickness;
    bool textured;

    double operator()(float fa, int tv) const {
        const double add = 0.5 * fa * thickness;
        return textured ? tv * double(kTextureLift) * add : add;
    }
};

// Paint Brush, Tube Paint and Knife differ only in their strength and in where they push the
// relief; one loop serves all three so that they cannot drift apart.
template <Strength strength, Relief relief, Shading shading = Shading::Square>
void deposit(Canvas& canvas, int x, int y, const BrushSettings& s, const DabContext& context) {
    if (!canvas.contains(x, y)) {
        return;
    }
    const double centreHeight = canvas.at(uint32_t(x), uint32_t(y)).height;
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    if (square.empty()) {
        return;
    }
    const bool textured = s.texture != 0;
    const SamplingOffsets& offsets = context.offsets;
    const dab::PatternSampler style(context.patterns.styleTiles[dab::patternNumber(s.paintStyle)],
                                    offsets.styleOffsetX, offsets.styleOffsetY, square);
    const dab::PatternSampler texture(context.patterns.textureTiles[dab::patternNumber(s.texture)],
                                      offsets.textureOffsetX, offsets.textureOffsetY, square);
    const double amount = s.amount;
    const ThicknessAdd thicknessAdd{s.thickness, textured};

    const uint8_t red = s.red;
    const uint8_t green = s.green;
    const uint8_t blue = s.blue;
    const uint8_t gloss = s.glossLevel;
    // Each field is written on its own: a whole-cell copy made from byte stores stalls the
    // store forwarding of the next read.
    dab::forEachWeightedCell(
        canvas, square, context.footprint, [&](CanvasCell& cell, float w, int i, int j) {
            const int tv = textured ? texture.at(i, j) : kUntextured;
            const float fa = float(w * amount);
            float k = fa;
            if constexpr (strength == Strength::Textured) {
                k = float(tv * double(kByteFraction) * fa);
            }
            const uint8_t newRed = dab::moveToward(cell.red, red, k);
            const uint8_t newGreen = dab::moveToward(cell.green, green, k);
            const uint8_t newBlue = dab::moveToward(cell.blue, blue, k);
            const uint8_t newPaint = dab::moveToward(cell.paint, style.at(i, j), k);
            const uint8_t newGloss = dab::moveToward(cell.gloss, gloss, k);
            const double h = cell.height;
            float height;
            if constexpr (relief == Relief::PullToCentre) {
                height = float(h + (centreHeight - h) * 0.5 * k);
            } else {
                height = float(h - 0.5 * h * k);
            }
            cell.red = newRed;
            cell.green = newGreen;
            cell.blue = newBlue;
            cell.paint = newPaint;
            cell.gloss = newGloss;
            cell.height = float(height + thicknessAdd(fa, tv));
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
