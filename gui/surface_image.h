#pragma once

#include <QImage>

#include "canvas/canvas_view.h"

class QPainter;

namespace dw {

class Surface;

// The part of the rectangle that lies on the surface.
IntRect clipToSurface(const IntRect& rect, const Surface& surface);

// The pixels of source (inside the surface) as a picture of the target size, each target
// pixel taking the source pixel it falls on: nearest neighbour, no smoothing, so that every
// painted cell stays crisp at every zoom.
struct ScaledSurface {
    const Surface& surface;
    IntRect source;
    int targetWidth = 0;
    int targetHeight = 0;

    bool valid() const;
    // Writes the part of that picture (in its coordinates, inside it) as opaque RGB32 rows,
    // stride bytes apart, the first at pixels.
    void write(const IntRect& part, uchar* pixels, qsizetype stride) const;
};

// The whole scaled picture; null when there is nothing to show.
QImage surfaceImage(const Surface& surface, const IntRect& source, int targetWidth,
                    int targetHeight);

// Draws the part of a picture that a paint request covers, 1:1, with its top-left corner at
// the window's origin.
void drawSurface(QPainter& painter, const Surface& surface, const IntRect& updateRect);

}  // namespace dw
