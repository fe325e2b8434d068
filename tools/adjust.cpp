#include "tools/adjust_tools.h"
#include "tools/dab_square.h"

namespace dw {
namespace {

// Runs change(cell, fa) on every weighted cell of a dab whose centre is on the canvas.
template <class Change>
void adjust(Canvas& canvas, int x, int y, const BrushSettings& s, const DabContext& context,
            Change&& change) {
    if (!canvas.contains(x, y)) {
        return;
    }
    const dab::Square square = dab::visitedSquare(canvas, x, y, s.size);
    const double amount = s.amount;
    dab::forEachWeightedCell(
        canvas, square, context.footprint,
        [&](CanvasCell& cell, float w, int, int) { change(cell, float(w * amount)); });
    dab::reshade(canvas, square);
}

uint8_t brighter(int c, float fa) {
    return dab::moveToward(c, clampInt(2 * c, 10, 255), fa);
}

uint8_t darker(int c, float fa) {
    return dab::moveToward(c, c / 2, fa);
}

}  // namespace

void Brighten(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context, [](CanvasCell& cell, float fa) {
        cell.red = brighter(cell.red, fa);
        cell.green = brighter(cell.green, fa);
        cell.blue = brighter(cell.blue, fa);
    });
}

void Darken(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context, [](CanvasCell& cell, float fa) {
        cell.red = darker(cell.red, fa);
        cell.green = darker(cell.green, fa);
        cell.blue = darker(cell.blue, fa);
    });
}

void Gloss(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context,
           [](CanvasCell& cell, float fa) { cell.gloss = dab::moveToward(cell.gloss, 255, fa); });
}

void Matte(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context,
           [](CanvasCell& cell, float fa) { cell.gloss = dab::moveToward(cell.gloss, 0, fa); });
}

void Raise(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context, [](CanvasCell& cell, float fa) {
        if (cell.height != 0.0f) {
            cell.height = float(double(cell.height) + fa);
        }
    });
}

void Lower(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context) {
    adjust(canvas, x, y, s, context, [](CanvasCell& cell, float fa) {
        if (cell.height != 0.0f && fa > 0.0f) {
            cell.height = float(double(cell.height) - fa);
        }
    });
}

}  // namespace dw
