#pragma once

#include "canvas/canvas.h"
#include "tools/brush_settings.h"
#include "tools/dab_context.h"

namespace dw {

// The tools that lay paint, gloss or height down. Each applies one dab centred on cell
// (x, y) with the stroke settings s and re-shades the square it visited.

// Colour, grain and gloss toward the brush's, strength shaped by the paper texture; the
// relief under the brush is pulled toward the centre's height and thickened.
void PaintBrush(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// The same dab without re-shading its square, for work that re-shades the whole painting
// once at the end (Paintify).
void PaintBrushDeferredShading(Canvas& canvas, int x, int y, BrushSettings s,
                               const DabContext& context);
// The Paint Brush without the texture's say in the strength: solid colour.
void TubePaint(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// The Paint Brush that scrapes the relief flat instead of pulling it to the centre.
void Knife(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Random specks of colour; heights stay. Also works with its centre off the canvas.
void SprayPaint(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);
// Clear gel: height and gloss only.
void GelBrush(Canvas& canvas, int x, int y, BrushSettings s, const DabContext& context);

}  // namespace dw
