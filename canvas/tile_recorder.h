#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas_cell.h"
#include "canvas/cell_area.h"
#include "canvas/large_buffer.h"
#include "canvas/tile_changes.h"
#include "canvas/tile_grid.h"

namespace dw {

class Canvas;

// Copy before write: attached to the painting, it keeps every tile as it was before the first
// change since the last step of the history. The painting calls it from each of its write
// paths, so no tool, filter or command needs to know about it.
class TileRecorder {
  public:
    TileRecorder() = default;
    TileRecorder(const TileRecorder&) = delete;
    TileRecorder& operator=(const TileRecorder&) = delete;
    ~TileRecorder() { detach(); }

    // Keeps what the painting's writes overwrite in target, and also in alsoKeep when given.
    void attach(Canvas& painting, TileChanges& target, TileChanges* alsoKeep = nullptr);
    // Stops keeping; in checking mode, first compares the tiles not kept with how they were
    // at attach().
    void detach();

    // Called by the painting before it changes cells of area.
    void beforeWrite(const CellArea& area);
    // Called by the painting as it gives up its grid (a new size, another painting, or a
    // rewrite of every cell into another grid).
    void beforeReplace(LargeBuffer<CanvasCell>& cells, uint32_t width, uint32_t height);
    // Called by the painting before it rewrites every cell into another grid: that grid (the
    // spare when it fits), or none when no step wants the painting whole and the rewrite may
    // go in place.
    LargeBuffer<CanvasCell> gridForRewrite();
    Canvas* painting() const { return painting_; }
    // Called by the painting as it ends.
    void forgetPainting() { painting_ = nullptr; }

    // A grid given up by the history, used again by the next whole copy of the same size.
    void keepSpare(LargeBuffer<CanvasCell> block);
    // No whole copy is in sight: the spare stays mapped, but the kernel may take its pages
    // back when memory runs short, so it no longer counts as held.
    void lendSpare() {
        spare_.lend();
        spareLent_ = true;
    }
    std::size_t spareBytes() const { return spareLent_ ? 0 : spare_.size() * sizeof(CanvasCell); }

    // Checking mode catches a writer that changes cells behind the history's back. It costs a
    // copy of the painting per step, so it is for tests and debug builds.
    void setChecking(bool on) { checking_ = on; }
    bool checking() const { return checking_; }
    // The first write found behind the history's back, or empty.
    const std::string& checkFailure() const { return checkFailure_; }

  private:
    struct Target {
        TileChanges* changes = nullptr;
        std::vector<uint8_t> kept;  // one byte per tile
    };

    void keepArea(Target& target, const CellArea& area);
    void keepWhole(Target& target);
    LargeBuffer<CanvasCell> takeSpare();
    void check();

    Canvas* painting_ = nullptr;
    TileGrid grid_;
    Target targets_[2];
    LargeBuffer<CanvasCell> spare_;
    bool spareLent_ = false;

    bool checking_ = false;
    std::string checkFailure_;
    LargeBuffer<CanvasCell> baseline_;
    TileGrid baselineGrid_;
};

}  // namespace dw
