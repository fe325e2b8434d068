#pragma once

#include "canvas/canvas.h"
#include "tools/brush_settings.h"
#include "tools/dab_context.h"

namespace dw {

// The tools that work on paint already there. Each applies one dab centred on cell (x, y)
// with the stroke settings s and re-shades the square it visited.

// Pulls paint in toward the pointer: each cell takes part of the cell 1.9 times as far out.
// The cells change in place, columns outer, so the left half reads paint this dab moved.
void Finger(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Back toward blank white paper; works with its centre off the canvas.
void Eraser(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Soaks up grain and height, never colour; works with its centre off the canvas.
void Sponge(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);

}  // namespace dw
