#include "canvas/canvas.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "canvas/pattern_images.h"
#include "canvas/tile_recorder.h"

namespace dw {

Canvas::Canvas(Canvas&& other) noexcept
    : displayState(other.displayState),
      light(other.light),
      shaded(other.shaded),
      lighting(other.lighting),
      strokeLength(other.strokeLength),
      cells_(std::move(other.cells_)),
      surface_(std::move(other.surface_)),
      width_(other.width_),
      height_(other.height_) {}

Canvas& Canvas::operator=(Canvas&& other) {
    if (this != &other) {
        beforeReplacingCells();
        displayState = other.displayState;
        light = other.light;
        shaded = other.shaded;
        lighting = other.lighting;
        strokeLength = other.strokeLength;
        cells_ = std::move(other.cells_);
        surface_ = std::move(other.surface_);
        width_ = other.width_;
        height_ = other.height_;
    }
    return *this;
}

Canvas::~Canvas() {
    if (recorder_) {
        recorder_->forgetPainting();
    }
}

void Canvas::beforeReplacingCells() {
    if (recorder_) {
        recorder_->beforeReplace(cells_, width_, height_);
    }
}

CanvasCell* Canvas::cellsForWriting(const CellArea& area) {
    if (recorder_) {
        recorder_->beforeWrite(area);
    }
    return cells_.data();
}

void Canvas::rewriteAllCells(
    const std::function<void(const CanvasCell* from, CanvasCell* to)>& rewrite) {
    LargeBuffer<CanvasCell> grid =
        recorder_ ? recorder_->gridForRewrite() : LargeBuffer<CanvasCell>();
    if (grid.empty()) {
        CanvasCell* cells = cellsForWriting();
        rewrite(cells, cells);
        return;
    }
    rewrite(cells_.data(), grid.data());
    std::swap(cells_, grid);
    recorder_->beforeReplace(grid, width_, height_);
    recorder_->keepSpare(std::move(grid));  // when no step took it
}

void Canvas::exchangeCells(LargeBuffer<CanvasCell>& cells, uint32_t& width, uint32_t& height) {
    std::swap(cells_, cells);
    if (width != width_ || height != height_) {
        std::swap(width_, width);
        std::swap(height_, height);
        surface_.create(width_, height_);
        surface_.fillWhite();
    }
    invalidateShading();
}

void Canvas::create(uint32_t width, uint32_t height) {
    beforeReplacingCells();
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
    if (hasCells()) {
        CanvasCell* cells = cellsForWriting();
        std::fill(cells, cells + cellCount(), kWhiteCell);
    }
    surface_.fillWhite();
}

void Canvas::fillWithPaper(uint8_t red, uint8_t green, uint8_t blue, const Surface& paperStyle) {
    fillAreaWithPaper(red, green, blue, paperStyle, 0, 0, width_, height_);
}

void Canvas::fillAreaWithPaper(uint8_t red, uint8_t green, uint8_t blue, const Surface& paperStyle,
                               uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1) {
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    CanvasCell* cells = cellsForWriting({x0, y0, x1, y1});
    for (uint32_t y = y0; y < y1 && hasCells(); ++y) {
        for (uint32_t x = x0; x < x1; ++x) {
            CanvasCell& cell = cells[std::size_t(y) * width_ + x];
            cell.red = red / 2;
            cell.green = green / 2;
            cell.blue = blue / 2;
            cell.paint = paperStyle.getPixel(x % kPatternPeriod, y % kPatternPeriod).red / 2;
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
    // What can fail comes first, so that a painting which cannot take the cells keeps its own.
    const bool sameShape =
        surface_.valid() && surface_.width() == width && surface_.height() == height;
    Surface shown;
    if (!sameShape) {
        shown.create(width, height);
        if (!shown.valid()) {
            throw std::bad_alloc();
        }
    }
    beforeReplacingCells();
    width_ = width;
    height_ = height;
    if (!sameShape) {
        surface_ = std::move(shown);
    }
    surface_.fillWhite();
    cells_ = std::move(cells);
    invalidateShading();
}

}  // namespace dw
