#pragma once

#include "canvas/canvas_view.h"
#include "tools/brush_settings.h"

namespace dw {

struct AppState;
class Canvas;

// One dab of the current tool with the stroke settings. On the painting (x, y) is a position
// in the canvas window, turned into a cell through the zoom factor, and the Eye Dropper and
// the Hand Tool work; on any other canvas (x, y) is a cell and those two do nothing.
void ApplyDab(AppState& state, int x, int y, Canvas& canvas);

// The settings the next dab on the canvas paints with: the stroke settings, and on the
// painting in a pen stroke, scaled by the pen's newest pressure.
BrushSettings DabSettings(const AppState& state, const Canvas& canvas);

// The part of the canvas window that a dab at window position (x, y) can change.
IntRect DabWindowArea(const AppState& state, int x, int y);

}  // namespace dw
