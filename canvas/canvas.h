#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "canvas/canvas_cell.h"
#include "canvas/cell_area.h"
#include "canvas/large_buffer.h"
#include "canvas/surface.h"

namespace dw {

class TileRecorder;

struct LightVector {
    float x = 0.0f;  // along the columns
    float y = 1.0f;  // out of the canvas plane
    float z = 0.0f;  // along the rows
};

// A grid of cells with the surface it is shown in. The painting is one; previews, thumbnails,
// undo snapshots and the resample buffer are others.
class Canvas {
  public:
    static constexpr uint32_t kMinSide = 1;
    static constexpr uint32_t kMaxSide = 5000;
    // Marks the painting among all canvases: only there are dab positions window pixels.
    static constexpr int32_t kPaintingDisplayState = 9;

    Canvas() = default;
    // A moved canvas is not recorded: the undo history follows the painting it was given.
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other);
    ~Canvas();

    static bool sizeAllowed(int64_t width, int64_t height) {
        return width >= kMinSide && width <= kMaxSide && height >= kMinSide && height <= kMaxSide;
    }

    // A fresh white grid and a fresh white surface; the old content is lost.
    void create(uint32_t width, uint32_t height);
    void releaseCells();
    void clearToWhite();
    // The brush preview's paper: half the brush colour, glossy, raised, with the grain of
    // paperStyle (paint style 1) at half strength.
    void fillWithPaper(uint8_t red, uint8_t green, uint8_t blue, const Surface& paperStyle);
    // The same paper on the cells of columns x0..x1-1 and rows y0..y1-1 only, the grain where
    // the whole fill puts it.
    void fillAreaWithPaper(uint8_t red, uint8_t green, uint8_t blue, const Surface& paperStyle,
                           uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1);
    void copyFrom(const Canvas& other);
    // Image Size: bilinear resample of every field; the result is left unshaded.
    void resample(uint32_t newWidth, uint32_t newHeight);
    void invalidateShading() { shaded = false; }

    void shadeCell(uint32_t x, uint32_t y);
    void shadeRect(int x0, int y0, int x1, int y1);
    void shadeAll();
    // Shades every pixel whose shade reads a cell of the changed areas: what a full shade would
    // change after only those cells did.
    void shadeAround(const std::vector<CellArea>& changed);

    bool hasCells() const { return !cells_.empty(); }
    bool isPainting() const { return displayState == kPaintingDisplayState; }
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    std::size_t cellCount() const { return std::size_t(width_) * height_; }
    const CanvasCell* cells() const { return cells_.data(); }
    const CanvasCell& at(uint32_t x, uint32_t y) const {
        return cells_[std::size_t(y) * width_ + x];
    }
    // Every change of cells comes through here, so that the undo history can keep what is
    // about to be overwritten. The caller changes cells inside area only.
    CanvasCell* cellsForWriting(const CellArea& area);
    CanvasCell* cellsForWriting() { return cellsForWriting({0, 0, width_, height_}); }
    CanvasCell& cellForWriting(uint32_t x, uint32_t y) {
        return cellsForWriting({x, y, x + 1, y + 1})[std::size_t(y) * width_ + x];
    }
    // A rewrite of every cell that reads each cell only to write it: rewrite(from, to) sets
    // each cell of to from the same cell of from, and is given one grid twice when it may go
    // in place. When the undo history keeps the painting whole, the rewrite goes into another
    // grid and the old one becomes the history's copy, which spares copying it first.
    void rewriteAllCells(
        const std::function<void(const CanvasCell* from, CanvasCell* to)>& rewrite);
    bool contains(int64_t x, int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Takes a block of width x height cells as the grid; the surface is recreated white and
    // the painting is left unshaded. Throws std::bad_alloc, changing nothing, when there is no
    // memory for the new surface or for the history's copy of the old cells.
    void adoptCells(LargeBuffer<CanvasCell> cells, uint32_t width, uint32_t height);
    // Swaps the grid and its size with the given ones, unrecorded: Undo and Redo themselves.
    // A new size recreates the surface white; the cells are left unshaded either way.
    void exchangeCells(LargeBuffer<CanvasCell>& cells, uint32_t& width, uint32_t& height);
    void setRecorder(TileRecorder* recorder) { recorder_ = recorder; }

    int32_t displayState = 0;
    LightVector light;
    bool shaded = false;
    bool lighting = false;
    float strokeLength = 0.0f;

  private:
    void shadeArea(uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1);
    void shadeRows(uint32_t y0, uint32_t y1, uint32_t x0, uint32_t x1);
    void beforeReplacingCells();

    LargeBuffer<CanvasCell> cells_;
    Surface surface_;
    uint32_t width_ = 400;  // a constructed canvas says 400 x 400 before it has cells
    uint32_t height_ = 400;
    TileRecorder* recorder_ = nullptr;
};

}  // namespace dw
