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
// rather than column by column, which their independence allows: rewriteRun(first, count)
// is given runs of whole rows.
template <class RewriteRun>
void rewriteCellRuns(Canvas& painting, UndoHistory& history, RewriteRun rewriteRun) {
    history.pushSnapshot(painting);
    if (painting.hasCells()) {
        CanvasCell* const cells = painting.cellsForWriting();
        const std::size_t width = painting.width();
        rewriteAllRows(painting, [cells, width, &rewriteRun](uint32_t y0, uint32_t y1) {
            rewriteRun(cells + y0 * width, (y1 - y0) * width);
        });
    }
    painting.invalidateShading();
}

template <class RewriteCell>
void rewriteCells(Canvas& painting, UndoHistory& history, RewriteCell rewriteCell) {
    rewriteCellRuns(painting, history, [&rewriteCell](CanvasCell* cell, std::size_t count) {
        for (CanvasCell* const end = cell + count; cell != end; ++cell) {
            rewriteCell(*cell);
        }
    });
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
