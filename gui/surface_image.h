#pragma once

#include <QImage>

#include "canvas/canvas_view.h"

class QPainter;

namespace dw {

class Surface;

// The part of the rectangle that lies on the surface.
IntRect clipToSurface(const IntRect& rect, const Surface& surface);

// The pixels of source (inside the surface) as a picture of target's size, each target pixel
// taking the source pixel it falls on: nearest neighbour, no smoothing, so that every painted
// cell stays crisp at every zoom. Null when there is nothing to show.
QImage surfaceImage(const Surface& surface, const IntRect& source, int targetWidth,
                    int targetHeight);

// Draws the part of a picture that a paint request covers, 1:1, with its top-left corner at
// the window's origin.
void drawSurface(QPainter& painter, const Surface& surface, const IntRect& updateRect);

}  // namespace dw
