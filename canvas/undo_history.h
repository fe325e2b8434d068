#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "canvas/canvas.h"

namespace dw {

// What a step of Undo or Redo did to the painting, for the window that shows it.
struct RestoreResult {
    bool restored = false;
    bool sizeChanged = false;  // the canvas window must be recreated
};

// Whole-painting snapshots, newest first, at most six. Undo first stores the live painting as
// the newest entry so that Redo can come back to it.
class UndoHistory {
  public:
    static constexpr uint32_t kMaxEntries = 6;

    // Called just before an operation changes the painting.
    void pushSnapshot(const Canvas& painting);
    // The same for an operation the user may stop half-way: until keepSnapshot(), the
    // snapshot and every entry that taking it pushed out can be taken back whole.
    void pushRevertibleSnapshot(const Canvas& painting);
    // The operation was stopped: the painting as the snapshot holds it (left unshaded) and
    // the history as it was before the snapshot, redo side and all.
    void takeBackSnapshot(Canvas& painting);
    // The operation ran to its end: what the snapshot pushed out is let go.
    void keepSnapshot();
    RestoreResult undo(Canvas& painting);
    RestoreResult redo(Canvas& painting);
    // Makes the painting equal to entry number position (1 = newest) and shades it.
    RestoreResult restoreEntry(Canvas& painting);
    // Another painting replaces the current one: nothing of the old one can come back.
    void clearHistory();

    // The Edit menu's rule.
    bool undoEnabled() const { return position_ < count(); }
    bool redoEnabled() const { return position_ > 1; }

    // True while the painting has no unsaved changes; every snapshot, Undo and Redo clears it.
    bool documentClean() const { return documentClean_; }
    void setDocumentClean(bool clean) { documentClean_ = clean; }

    uint32_t count() const { return uint32_t(entries_.size()); }
    uint32_t position() const { return position_; }
    bool presentSaved() const { return presentSaved_; }

  private:
    struct Entry {
        uint32_t width = 0;
        uint32_t height = 0;
        LargeBuffer<CanvasCell> cells;
    };

    enum class Dropped { Recycled, KeptAside };

    void takeSnapshot(const Canvas& painting, Dropped dropped);
    void dropEntry(std::size_t index, Dropped dropped);
    void removeEntry(std::size_t index);
    LargeBuffer<CanvasCell> blockFor(std::size_t cellCount);

    std::deque<Entry> entries_;  // newest first
    // Blocks of dropped entries, reused so that a snapshot does not fault in fresh memory.
    std::vector<LargeBuffer<CanvasCell>> spare_;
    uint32_t position_ = 0;
    bool presentSaved_ = false;
    bool documentClean_ = true;

    // What a revertible snapshot changed, while it can still be taken back.
    struct Revert {
        bool pending = false;
        std::vector<Entry> newer;   // dropped from the front, newest first
        std::vector<Entry> oldest;  // the oldest entry, when the list was full
        uint32_t position = 0;
        bool presentSaved = false;
        bool documentClean = true;
    };
    Revert revert_;
};

}  // namespace dw
