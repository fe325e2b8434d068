#pragma once

#include "canvas/canvas.h"
#include "canvas/surface.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

struct AppState;

inline constexpr int kBrushThumbnailSide = 30;
inline constexpr int kStrokeThumbnailWidth = 132;
inline constexpr int kStrokeThumbnailHeight = 15;

// The tools that work on paint already there get a painted canvas to show themselves on.
enum class PaperFor { Preview, BrushThumbnail, StrokeThumbnail };
bool needsPaper(ToolId tool, PaperFor use);

// Runs `paint` on the canvas and shades the whole of it once afterwards. Every dab re-shades
// its square as it goes; where only the end result is shown, that work is left out.
template <class Paint>
void paintThenShade(Canvas& canvas, Paint paint) {
    Surface& shown = canvas.surface();
    const uint32_t width = shown.width();
    const uint32_t height = shown.height();
    shown.release();
    paint();
    shown.create(width, height);
    canvas.shadeAll();
}

// A brush shown as five dabs of size 20 that the engine paints on a small lit canvas, in a
// black frame. Hardness above 100 is stored back as 100. Like every painting of the program
// it goes through the program's brush, footprint and random generator; it leaves the
// sampling offsets at paintStyle x 10 x texture and the brush as it was.
void DrawBrushThumbnail(AppState& state, BrushSettings& brush, Surface& thumbnail);

// A stroke shown as a black tube line drawn along the sample with the stroke's modifiers, in
// a black frame. Afterwards the program's stroke modifiers are `current`.
void DrawStrokeThumbnail(AppState& state, const StrokeModifiers& stroke,
                         const StrokeModifiers& current, Surface& thumbnail);

}  // namespace dw
