#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

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
// each cell, and the full re-shade left to the main loop. The snapshot costs no copy of its
// own: the cells are rewritten into another grid and the old one is kept as it is. Cells are
// walked in memory order rather than column by column, which their independence allows:
// rewriteRun(from, to, count) is given runs of whole rows, from and to possibly the same.
template <class RewriteRun>
void rewriteCellRuns(Canvas& painting, UndoHistory& history, RewriteRun rewriteRun) {
    history.pushSnapshot(painting);
    if (painting.hasCells()) {
        const std::size_t width = painting.width();
        painting.rewriteAllCells([&](const CanvasCell* from, CanvasCell* to) {
            rewriteAllRows(painting, [&](uint32_t y0, uint32_t y1) {
                rewriteRun(from + y0 * width, to + y0 * width, (y1 - y0) * width);
            });
        });
    }
    painting.invalidateShading();
}

template <class RewriteCell>
void rewriteCells(Canvas& painting, UndoHistory& history, RewriteCell rewriteCell) {
    rewriteCellRuns(painting, history,
                    [&rewriteCell](const CanvasCell* from, CanvasCell* to, std::size_t count) {
                        for (std::size_t i = 0; i < count; ++i) {
                            CanvasCell cell = from[i];
                            rewriteCell(cell);
                            to[i] = cell;
                        }
                    });
}

// The same frame for filters that need to know where a cell lies: rewriteRow(y, row, width)
// rewrites a row in place, copied over while it is in cache.
template <class RewriteRow>
void rewriteRows(Canvas& painting, UndoHistory& history, RewriteRow rewriteRow) {
    history.pushSnapshot(painting);
    if (painting.hasCells()) {
        const uint32_t width = painting.width();
        painting.rewriteAllCells([&](const CanvasCell* from, CanvasCell* to) {
            rewriteAllRows(painting, [&](uint32_t y0, uint32_t y1) {
                for (uint32_t y = y0; y < y1; ++y) {
                    const std::size_t offset = std::size_t(y) * width;
                    if (from != to) {
                        std::memcpy(to + offset, from + offset, width * sizeof(CanvasCell));
                    }
                    rewriteRow(y, to + offset, width);
                }
            });
        });
    }
    painting.invalidateShading();
}

}  // namespace dw
