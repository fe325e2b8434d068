#include "canvas/canvas.h"

#include <algorithm>
#include <cstring>

namespace dw {

void Canvas::create(uint32_t width, uint32_t height) {
    width_ = width;
    height_ = height;
    surface_.create(width, height);
    surface_.fillWhite();
    cells_.allocate(std::size_t(width) * height);
    std::fill(cells_.begin(), cells_.end(), kWhiteCell);
}

void Canvas::releaseCells() {
    cells_.reset();
}

void Canvas::clearToWhite() {
    std::fill(cells_.begin(), cells_.end(), kWhiteCell);
    surface_.fillWhite();
}

void Canvas::fillWithPaper(uint8_t red, uint8_t green, uint8_t blue, const Surface& paperStyle) {
    for (uint32_t y = 0; y < height_ && hasCells(); ++y) {
        for (uint32_t x = 0; x < width_; ++x) {
            CanvasCell& cell = at(x, y);
            cell.red = red / 2;
            cell.green = green / 2;
            cell.blue = blue / 2;
            cell.paint = paperStyle.getPixel(x % 200, y % 200).red / 2;
            cell.gloss = 255;
            cell.height = 20.0f;
        }
    }
}

void Canvas::copyFrom(const Canvas& other) {
    create(other.width_, other.height_);
    if (other.hasCells()) {
        std::memcpy(cells_.data(), other.cells_.data(), cellCount() * sizeof(CanvasCell));
    }
}

void Canvas::adoptCells(LargeBuffer<CanvasCell> cells, uint32_t width, uint32_t height) {
    width_ = width;
    height_ = height;
    surface_.create(width, height);
    surface_.fillWhite();
    cells_ = std::move(cells);
}

}  // namespace dw
