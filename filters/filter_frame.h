#pragma once

#include <cstddef>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/row_split.h"
#include "canvas/undo_history.h"

namespace dw {

// Below this many cells handing half of the rows to the helper thread costs more than it saves.
inline constexpr std::size_t kParallelFilterCells = std::size_t(1) << 18;

// Runs rewriteRange(firstRow, endRow) over all rows, split over two threads for large
// paintings. A cell's result depends on that cell alone, so the halves cannot disturb each
// other.
template <class RewriteRange>
void rewriteAllRows(const Canvas& painting, RewriteRange rewriteRange) {
    if (painting.cellCount() >= kParallelFilterCells) {
        splitRows(0, painting.height(), rewriteRange);
    } else {
        rewriteRange(0, painting.height());
    }
}

// The frame every filter but Paintify shares: the undo snapshot first, then one rewrite of
// each cell, and the full re-shade left to the main loop. Cells are walked in memory order
// rather than column by column, which their independence allows.
template <class RewriteCell>
void rewriteCells(Canvas& painting, UndoHistory& history, RewriteCell rewriteCell) {
    history.pushSnapshot(painting);
    if (painting.hasCells()) {
        CanvasCell* const cells = painting.cellsForWriting();
        const std::size_t width = painting.width();
        rewriteAllRows(painting, [cells, width, &rewriteCell](uint32_t y0, uint32_t y1) {
            CanvasCell* cell = cells + y0 * width;
            CanvasCell* const end = cells + y1 * width;
            for (; cell != end; ++cell) {
                rewriteCell(*cell);
            }
        });
    }
    painting.invalidateShading();
}

// The same frame for filters that need to know where a cell lies: rewriteRow(y, row, width).
template <class RewriteRow>
void rewriteRows(Canvas& painting, UndoHistory& history, RewriteRow rewriteRow) {
    history.pushSnapshot(painting);
    if (painting.hasCells()) {
        CanvasCell* const cells = painting.cellsForWriting();
        const uint32_t width = painting.width();
        rewriteAllRows(painting, [cells, width, &rewriteRow](uint32_t y0, uint32_t y1) {
            for (uint32_t y = y0; y < y1; ++y) {
                rewriteRow(y, cells + std::size_t(y) * width, width);
            }
        });
    }
    painting.invalidateShading();
}

}  // namespace dw
