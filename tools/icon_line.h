#pragma once

namespace dw {

class Surface;

// A one-pixel black line from (x0, y0) towards (x1, y1), drawn the way a cosmetic pen draws:
// the end point itself is left out, so that joined segments do not paint their corners twice.
// Points outside the surface are clipped.
void drawIconLine(Surface& surface, int x0, int y0, int x1, int y1);

}  // namespace dw
