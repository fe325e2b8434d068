#pragma once

#include "canvas/canvas_view.h"

namespace dw {

struct AppState;
class Canvas;

// One dab of the current tool with the stroke settings. On the painting (x, y) is a position
// in the canvas window, turned into a cell through the zoom factor, and the Eye Dropper and
// the Hand Tool work; on any other canvas (x, y) is a cell and those two do nothing.
// A pen stroke on the painting paints with the pen's newest pressure.
void ApplyDab(AppState& state, int x, int y, Canvas& canvas);

// The part of the canvas window that a dab at window position (x, y) can change.
IntRect DabWindowArea(const AppState& state, int x, int y);

}  // namespace dw
