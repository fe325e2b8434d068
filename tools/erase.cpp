#include "tools/dab_square.h"
#include "tools/smear_tools.h"

namespace dw {

void Eraser(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    const double amount = s.amount;
    dab::forEachWeightedCell(canvas, square, context.footprint,
                             [&](CanvasCell& cell, float w, int, int) {
                                 const float fa = float(w * amount);
                                 cell.red = dab::moveToward(cell.red, 255, fa);
                                 cell.green = dab::moveToward(cell.green, 255, fa);
                                 cell.blue = dab::moveToward(cell.blue, 255, fa);
                                 cell.paint = dab::moveToward(cell.paint, 0, fa);
                                 // Gloss fades at half the pace of the rest.
                                 cell.gloss = truncToByte((1.0 - 0.5 * fa) * cell.gloss);
                                 cell.height = float((1.0 - fa) * cell.height);
                             });
    dab::reshade(canvas, square);
}

void Sponge(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    const double amount = s.amount;
    dab::forEachWeightedCell(canvas, square, context.footprint,
                             [&](CanvasCell& cell, float w, int, int) {
                                 const float fa = float(w * amount);
                                 const double keep = 1.0 - fa * 0.25;
                                 cell.paint = truncToByte(cell.paint * keep);
                                 cell.height = float(cell.height * keep);
                             });
    dab::reshade(canvas, square);
}

}  // namespace dw
