#include "canvas/canvas_view.h"

#include <cmath>

#include "canvas/truncation.h"

namespace dw {

CanvasPaintArea canvasPaintArea(const IntRect& updateRect, float zoomFactor) {
    auto cellsFrom = [zoomFactor](int edge) {
        return truncToInt(std::floor(double(edge) / zoomFactor));
    };
    auto cellsTo = [zoomFactor](int edge) {
        return truncToInt(std::ceil(double(edge) / zoomFactor));
    };
    auto toWindow = [zoomFactor](int cells) { return truncToInt(double(cells) * zoomFactor); };
    CanvasPaintArea area;
    area.cells = {cellsFrom(updateRect.left), cellsFrom(updateRect.top), cellsTo(updateRect.right),
                  cellsTo(updateRect.bottom)};
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
