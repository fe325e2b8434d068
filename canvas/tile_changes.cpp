#include "canvas/tile_changes.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "canvas/canvas.h"

namespace dw {
namespace {

enum class Direction { In, Swap };

// Calls copy(gridRow, packedRow, width) for each row of one tile of a grid and its packed
// copy.
template <class Grid, class Copy>
void forEachTileRow(Grid* grid, const TileGrid& geometry, uint32_t index, CanvasCell* packed,
                    Copy copy) {
    const CellArea a = geometry.area(index);
    const std::size_t width = a.x1 - a.x0;
    for (uint32_t y = a.y0; y < a.y1; ++y, packed += width) {
        copy(grid + std::size_t(y) * geometry.width + a.x0, packed, width);
    }
}

void moveTile(CanvasCell* grid, const TileGrid& geometry, uint32_t index, CanvasCell* packed,
              Direction direction) {
    forEachTileRow(grid, geometry, index, packed,
                   [direction](CanvasCell* row, CanvasCell* saved, std::size_t width) {
                       if (direction == Direction::In) {
                           std::memcpy(row, saved, width * sizeof(CanvasCell));
                       } else {
                           std::swap_ranges(row, row + width, saved);
                       }
                   });
}

void mark(std::vector<uint8_t>& changed, uint32_t index) {
    if (index < changed.size()) {
        changed[index] = 1;
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
                   [](const CanvasCell* row, CanvasCell* saved, std::size_t width) {
                       std::memcpy(saved, row, width * sizeof(CanvasCell));
                   });
    tiles_.push_back(std::move(tile));
}

void TileChanges::saveWhole(const Canvas& painting, LargeBuffer<CanvasCell> block) {
    block.allocate(painting.cellCount());
    if (painting.hasCells()) {
        std::memcpy(block.data(), painting.cells(), painting.cellCount() * sizeof(CanvasCell));
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
        moveTile(grid, grid_, tile.index, tile.cells.get(), Direction::In);
    }
}

bool TileChanges::exchangeWith(Canvas& painting, std::vector<uint8_t>& changed) {
    if (whole_) {
        painting.exchangeCells(wholeCells_, wholeWidth_, wholeHeight_);
        return false;
    }
    CanvasCell* cells = painting.cellsForWriting();
    for (SavedTile& tile : tiles_) {
        moveTile(cells, grid_, tile.index, tile.cells.get(), Direction::Swap);
        mark(changed, tile.index);
    }
    return true;
}

LargeBuffer<CanvasCell> TileChanges::restoreInto(Canvas& painting, std::vector<uint8_t>& changed) {
    LargeBuffer<CanvasCell> given;
    if (whole_) {
        painting.exchangeCells(wholeCells_, wholeWidth_, wholeHeight_);
        given = std::move(wholeCells_);
        std::fill(changed.begin(), changed.end(), uint8_t(1));
    } else if (!tiles_.empty()) {
        pasteTilesInto(painting.cellsForWriting());
        for (const SavedTile& tile : tiles_) {
            mark(changed, tile.index);
        }
    }
    *this = TileChanges();
    return given;
}

}  // namespace dw
