#pragma once

#include <cstdint>

namespace dw {

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;  // end-exclusive
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const IntRect&) const = default;
};

// What the canvas window draws for an update rectangle: the cells to take from the painting's
// surface and where they land in the window. An edge inside a magnified cell takes in the
// whole cell, so that every pixel of the rectangle is drawn: one left out keeps whatever the
// window held there, which shows as a streak once the window has moved.
struct CanvasPaintArea {
    IntRect cells;
    IntRect window;
};

CanvasPaintArea canvasPaintArea(const IntRect& updateRect, float zoomFactor);

// Size of the canvas window for a painting at a zoom: each side truncated.
int zoomedLength(uint32_t cells, float zoomFactor);

}  // namespace dw
