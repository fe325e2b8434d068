#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "canvas/canvas_cell.h"
#include "canvas/cell_area.h"
#include "canvas/large_buffer.h"
#include "canvas/tile_grid.h"

namespace dw {

class Canvas;

// One step of the undo history: the cells that differ between two states of the painting,
// as the state not shown keeps them. Either the tiles an action wrote, or, after a command
// that rewrote or resized everything, the whole grid with its size.
class TileChanges {
  public:
    TileChanges() = default;
    TileChanges(TileChanges&&) noexcept = default;
    TileChanges& operator=(TileChanges&&) noexcept = default;

    bool whole() const { return whole_; }
    bool empty() const { return tiles_.empty() && !whole_; }
    std::size_t bytes() const;
    // Calls visit(index) for every tile kept (none when whole).
    template <class Visit>
    void forEachTile(Visit&& visit) const {
        for (const SavedTile& tile : tiles_) {
            visit(tile.index);
        }
    }

    // Keeps the painting's cells of one tile as they are now.
    void saveTile(const Canvas& painting, uint32_t index);
    // Keeps the whole painting as it is now, in block when it fits; tiles kept before win.
    void saveWhole(const Canvas& painting, LargeBuffer<CanvasCell> block);
    // Takes a whole grid that the painting has just given up; tiles kept before win.
    void adoptWhole(LargeBuffer<CanvasCell> cells, uint32_t width, uint32_t height);

    // Undo or Redo across this step: the painting takes the kept version and this keeps the
    // painting's. Adds the areas whose cells differed to changed; returns false when the whole
    // grid was exchanged instead.
    bool exchangeWith(Canvas& painting, std::vector<CellArea>& changed);
    // Puts the kept version back into the painting and keeps nothing; a whole grid the
    // painting gave up is handed back for reuse.
    LargeBuffer<CanvasCell> restoreInto(Canvas& painting, std::vector<CellArea>& changed);

    // The whole grid, for reuse; empty unless whole.
    LargeBuffer<CanvasCell> releaseWhole() { return std::move(wholeCells_); }

  private:
    struct SavedTile {
        uint32_t index = 0;
        std::unique_ptr<CanvasCell[]> cells;
    };

    TileGrid grid_;
    std::vector<SavedTile> tiles_;
    bool whole_ = false;
    LargeBuffer<CanvasCell> wholeCells_;
    uint32_t wholeWidth_ = 0;
    uint32_t wholeHeight_ = 0;

    void pasteTilesInto(CanvasCell* grid) const;
};

}  // namespace dw
