#include "tools/dab_square.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

// A third of the strength at most, in thousandths: q (0..999) x 1/3000.
constexpr float kSprayScale = 0.00033333334f;

}  // namespace

void SprayPaint(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    const double amount = s.amount;
    RandomGenerator& random = context.random;
    // Columns outer: one draw per weighted cell in this order, so that a seed replays a spray.
    dab::forEachWeightedCellByColumn(canvas, square, context.footprint,
                                     [&](CanvasCell& cell, float w, int, int) {
                                         const int q = random.next() % 1000;
                                         const float fa = float(w * amount);
                                         const float k = float(double(fa) * q * kSprayScale);
                                         cell.red = dab::moveToward(cell.red, s.red, k);
                                         cell.green = dab::moveToward(cell.green, s.green, k);
                                         cell.blue = dab::moveToward(cell.blue, s.blue, k);
                                         cell.paint = dab::moveToward(cell.paint, 0, k);
                                         cell.gloss = dab::moveToward(cell.gloss, s.glossLevel, k);
                                     });
    dab::reshade(canvas, square);
}

}  // namespace dw
