#include "canvas/canvas_view.h"

#include "canvas/truncation.h"

namespace dw {

CanvasPaintArea canvasPaintArea(const IntRect& updateRect, float zoomFactor) {
    auto toCells = [zoomFactor](int edge) { return truncToInt(double(edge) / zoomFactor); };
    auto toWindow = [zoomFactor](int cells) { return truncToInt(double(cells) * zoomFactor); };
    CanvasPaintArea area;
    area.cells = {toCells(updateRect.left), toCells(updateRect.top), toCells(updateRect.right),
                  toCells(updateRect.bottom)};
    const int left = toWindow(area.cells.left);
    const int top = toWindow(area.cells.top);
    area.window = {left, top, left + toWindow(area.cells.width()),
                   top + toWindow(area.cells.height())};
    return area;
}

int zoomedLength(uint32_t cells, float zoomFactor) {
    return truncToInt(double(cells) * zoomFactor);
}

}  // namespace dw
