#pragma once

#include "canvas/canvas.h"
#include "tools/brush_settings.h"
#include "tools/dab_context.h"

namespace dw {

// Tools that change one property of the paint already there. Each applies one dab centred on
// cell (x, y) with the stroke settings s, does nothing with its centre off the canvas, and
// re-shades the square it visited.

// Each colour channel toward twice its value (at least 10, at most 255).
void Brighten(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Each colour channel toward half its value.
void Darken(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
void Gloss(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
void Matte(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Raise and Lower leave blank paper (height exactly 0) flat.
void Raise(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
void Lower(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);

}  // namespace dw
