#pragma once

#include <algorithm>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/pattern_images.h"
#include "canvas/truncation.h"
#include "tools/brush_footprint.h"

// Shared by the tool effects: the square a dab visits and the loops over its weighted cells.
namespace dw::dab {

inline constexpr int kMaxSide = 2 * BrushFootprint::kMaxRadius;

// The cells x - r .. x + r - 1 by y - r .. y + r - 1 that lie on the canvas.
struct Square {
    int left = 0;  // x - r: footprint column of cell column i is i - left
    int top = 0;   // y - r
    int x0 = 0;    // visited columns [x0, x1) and rows [y0, y1)
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;

    bool empty() const { return x0 >= x1 || y0 >= y1; }
    CellArea area() const {
        return empty() ? CellArea{}
                       : CellArea{uint32_t(x0), uint32_t(y0), uint32_t(x1), uint32_t(y1)};
    }
};

inline Square visitedSquare(const Canvas& canvas, int x, int y, int32_t size) {
    const int64_t r = dabRadius(size);
    Square square;
    const int64_t x0 = std::max<int64_t>(int64_t(x) - r, 0);
    const int64_t y0 = std::max<int64_t>(int64_t(y) - r, 0);
    const int64_t x1 = std::min<int64_t>(int64_t(x) + r, canvas.width());
    const int64_t y1 = std::min<int64_t>(int64_t(y) + r, canvas.height());
    if (r <= 0 || x0 >= x1 || y0 >= y1 || !canvas.hasCells()) {
        return square;  // nothing visited; also keeps far-off centres from overflowing
    }
    square.left = int(int64_t(x) - r);
    square.top = int(int64_t(y) - r);
    square.x0 = int(x0);
    square.x1 = int(x1);
    square.y0 = int(y0);
    square.y1 = int(y1);
    return square;
}

inline void reshade(Canvas& canvas, const Square& square) {
    if (!square.empty()) {
        canvas.shadeRect(square.x0, square.y0, square.x1, square.y1);
    }
}

// Pattern numbers past the last image read the last image.
inline int patternNumber(uint8_t number) {
    return number < kPatternCount ? number : kPatternCount - 1;
}

// Reads one tiled pattern image at the cells of a square, shifted by a pair of sampling
// offsets; the tile positions are worked out once per dab.
class PatternSampler {
  public:
    PatternSampler(const PatternTile& tile, float offsetX, float offsetY, const Square& square)
        : x0_(square.x0), y0_(square.y0) {
        // A column sum that is not negative at x0 stays so: the columns then climb, wrapping.
        climbing_ = int64_t(truncToInt(offsetX)) + square.x0 >= 0;
        for (int i = square.x0; i < square.x1; ++i) {
            columns_[i - x0_] = tiledCoordinate(offsetX, i);
        }
        for (int j = square.y0; j < square.y1; ++j) {
            rows_[j - y0_] = tile.row(tiledCoordinate(offsetY, j));
        }
    }

    int at(int i, int j) const { return rows_[j - y0_][columns_[i - x0_]]; }

    // The samples of count cells from cell (first, j) on into out, a run of columns at a time.
    void copyRow(int first, int count, int j, uint8_t* out) const {
        const uint8_t* row = rows_[j - y0_];
        const int* columns = columns_ + (first - x0_);
        if (!climbing_) {
            for (int n = 0; n < count; ++n) {
                out[n] = row[columns[n]];
            }
            return;
        }
        for (int n = 0; n < count;) {
            const int run = std::min(count - n, kPatternPeriod - columns[n]);
            std::copy_n(row + columns[n], run, out + n);
            n += run;
        }
    }

  private:
    bool climbing_ = false;
    int x0_;
    int y0_;
    int columns_[kMaxSide];
    const uint8_t* rows_[kMaxSide];
};

// v moved toward target by k, truncated, low byte kept.
inline uint8_t moveToward(int v, int target, double k) {
    return truncToByte(double(target - v) * k + v);
}

// Calls visit(cells, weights, count, first, j) for every visited row j with a weight above 0
// somewhere: the count cells from column first on hold every cell of the row the footprint
// weighs above 0, and weights holds their weights.
template <class Visit>
inline void forEachWeightedRow(Canvas& canvas, const Square& square,
                               const BrushFootprint& footprint, Visit&& visit) {
    const std::size_t width = canvas.width();
    CanvasCell* const grid = canvas.cellsForWriting(square.area());
    for (int j = square.y0; j < square.y1; ++j) {
        const int row = j - square.top;
        const WeightSpan span = footprint.rowSpan(row);
        const int first = std::max(square.x0, square.left + span.first);
        const int end = std::min(square.x1, square.left + span.end);
        if (first < end) {
            visit(grid + std::size_t(j) * width + std::size_t(first),
                  footprint.row(row) + (first - square.left), end - first, first, j);
        }
    }
}

// Calls visit(cell, w, i, j) for every visited cell with a weight above 0, rows outer: for
// the tools whose result does not depend on the visiting order.
template <class Visit>
inline void forEachWeightedCell(Canvas& canvas, const Square& square,
                                const BrushFootprint& footprint, Visit&& visit) {
    forEachWeightedRow(canvas, square, footprint,
                       [&](CanvasCell* cells, const float* weights, int count, int first, int j) {
                           for (int n = 0; n < count; ++n) {
                               if (weights[n] > 0.0f) {
                                   visit(cells[n], weights[n], first + n, j);
                               }
                           }
                       });
}

// The same in the order columns outer, rows inner: for Spray Paint's random draws and the
// Finger's in-place smear, where the order shows in the result.
template <class Visit>
inline void forEachWeightedCellByColumn(Canvas& canvas, const Square& square,
                                        const BrushFootprint& footprint, Visit&& visit) {
    const std::size_t width = canvas.width();
    CanvasCell* cells = canvas.cellsForWriting(square.area());
    for (int i = square.x0; i < square.x1; ++i) {
        const int column = i - square.left;
        const WeightSpan span = footprint.columnSpan(column);
        const int first = std::max(square.y0, square.top + span.first);
        const int end = std::min(square.y1, square.top + span.end);
        for (int j = first; j < end; ++j) {
            const float w = footprint.weight(column, j - square.top);
            if (w > 0.0f) {
                visit(cells[std::size_t(j) * width + std::size_t(i)], w, i, j);
            }
        }
    }
}

}  // namespace dw::dab
