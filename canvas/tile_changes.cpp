#include "canvas/tile_changes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "canvas/canvas.h"
#include "canvas/row_split.h"

namespace dw {
namespace {

// Below this many cells a second thread costs more than it saves.
constexpr std::size_t kParallelCopyCells = std::size_t(1) << 18;

// Calls copy(gridRow, packedRow, width, y) for each row of one tile of a grid and its packed
// copy.
template <class Grid, class Copy>
void forEachTileRow(Grid* grid, const TileGrid& geometry, uint32_t index, CanvasCell* packed,
                    Copy copy) {
    const CellArea a = geometry.area(index);
    const std::size_t width = a.x1 - a.x0;
    for (uint32_t y = a.y0; y < a.y1; ++y, packed += width) {
        copy(grid + std::size_t(y) * geometry.width + a.x0, packed, width, y);
    }
}

bool sameCell(const CanvasCell& a, const CanvasCell& b) {
    return std::memcmp(&a, &b, sizeof(CanvasCell)) == 0;
}

// Swaps a tile with its packed copy (or only copies the copy in), and adds the part of the
// tile where the two differed to changed: a stroke rarely fills its tiles, and what is shaded
// afterwards follows from this.
void exchangeTile(CanvasCell* grid, const TileGrid& geometry, uint32_t index, CanvasCell* packed,
                  bool keepGrid, std::vector<CellArea>& changed) {
    const uint32_t x0 = geometry.area(index).x0;
    CellArea differing{UINT32_MAX, UINT32_MAX, 0, 0};
    forEachTileRow(grid, geometry, index, packed,
                   [&](CanvasCell* row, CanvasCell* saved, std::size_t width, uint32_t y) {
                       if (std::memcmp(row, saved, width * sizeof(CanvasCell)) != 0) {
                           std::size_t first = 0;
                           while (sameCell(row[first], saved[first])) {
                               ++first;
                           }
                           std::size_t last = width;
                           while (sameCell(row[last - 1], saved[last - 1])) {
                               --last;
                           }
                           differing.x0 = std::min(differing.x0, x0 + uint32_t(first));
                           differing.x1 = std::max(differing.x1, x0 + uint32_t(last));
                           differing.y0 = std::min(differing.y0, y);
                           differing.y1 = y + 1;
                       }
                       if (keepGrid) {
                           std::swap_ranges(row, row + width, saved);
                       } else {
                           std::memcpy(row, saved, width * sizeof(CanvasCell));
                       }
                   });
    if (!differing.empty()) {
        changed.push_back(differing);
    }
}

// One processor alone does not reach the memory's speed; the rows are copied in bands.
void copyCells(const CanvasCell* from, CanvasCell* to, uint32_t width, uint32_t height) {
    const std::size_t rowBytes = std::size_t(width) * sizeof(CanvasCell);
    auto copyRows = [&](uint32_t y0, uint32_t y1) {
        std::memcpy(to + std::size_t(y0) * width, from + std::size_t(y0) * width,
                    (y1 - y0) * rowBytes);
    };
    if (std::size_t(width) * height >= kParallelCopyCells) {
        splitRows(0, height, copyRows);
    } else {
        copyRows(0, height);
    }
}

}  // namespace

std::size_t TileChanges::bytes() const {
    std::size_t total = tiles_.capacity() * sizeof(SavedTile);
    for (const SavedTile& tile : tiles_) {
        total += grid_.cellsIn(tile.index) * sizeof(CanvasCell);
    }
    return total + wholeCells_.size() * sizeof(CanvasCell);
}

void TileChanges::saveTile(const Canvas& painting, uint32_t index) {
    if (whole_) {
        return;
    }
    grid_ = {painting.width(), painting.height()};
    SavedTile tile{index, std::make_unique_for_overwrite<CanvasCell[]>(grid_.cellsIn(index))};
    forEachTileRow(painting.cells(), grid_, index, tile.cells.get(),
                   [](const CanvasCell* row, CanvasCell* saved, std::size_t width, uint32_t) {
                       std::memcpy(saved, row, width * sizeof(CanvasCell));
                   });
    tiles_.push_back(std::move(tile));
}

void TileChanges::saveWhole(const Canvas& painting, LargeBuffer<CanvasCell> block) {
    block.allocate(painting.cellCount());
    if (painting.hasCells()) {
        copyCells(painting.cells(), block.data(), painting.width(), painting.height());
    }
    adoptWhole(std::move(block), painting.width(), painting.height());
}

void TileChanges::adoptWhole(LargeBuffer<CanvasCell> cells, uint32_t width, uint32_t height) {
    if (whole_) {
        return;
    }
    pasteTilesInto(cells.data());
    tiles_.clear();
    tiles_.shrink_to_fit();
    whole_ = true;
    wholeCells_ = std::move(cells);
    wholeWidth_ = width;
    wholeHeight_ = height;
}

void TileChanges::pasteTilesInto(CanvasCell* grid) const {
    for (const SavedTile& tile : tiles_) {
        forEachTileRow(grid, grid_, tile.index, tile.cells.get(),
                       [](CanvasCell* row, CanvasCell* saved, std::size_t width, uint32_t) {
                           std::memcpy(row, saved, width * sizeof(CanvasCell));
                       });
    }
}

bool TileChanges::exchangeWith(Canvas& painting, std::vector<CellArea>& changed) {
    if (whole_) {
        painting.exchangeCells(wholeCells_, wholeWidth_, wholeHeight_);
        return false;
    }
    CanvasCell* cells = painting.cellsForWriting();
    for (SavedTile& tile : tiles_) {
        exchangeTile(cells, grid_, tile.index, tile.cells.get(), true, changed);
    }
    return true;
}

LargeBuffer<CanvasCell> TileChanges::restoreInto(Canvas& painting, std::vector<CellArea>& changed) {
    LargeBuffer<CanvasCell> given;
    if (whole_) {
        painting.exchangeCells(wholeCells_, wholeWidth_, wholeHeight_);
        given = std::move(wholeCells_);
    } else {
        CanvasCell* cells = painting.cellsForWriting();
        for (SavedTile& tile : tiles_) {
            exchangeTile(cells, grid_, tile.index, tile.cells.get(), false, changed);
        }
    }
    *this = TileChanges();
    return given;
}

}  // namespace dw
