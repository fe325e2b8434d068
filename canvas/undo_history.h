#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/tile_changes.h"
#include "canvas/tile_recorder.h"

namespace dw {

// What a step of Undo or Redo did to the painting, for the window that shows it.
struct RestoreResult {
    bool restored = false;
    bool sizeChanged = false;  // the canvas window must be recreated
};

// States of the painting, newest first: the present and as many steps back as the user's
// setting allows (five unless set). Undo first stores the live painting as
// the newest entry so that Redo can come back to it.
//
// Only the live painting is whole. Each entry keeps the tiles in which its state differs from
// the next newer one, saved as the painting's writes first reached them (a stroke keeps the
// tiles its dabs touched, a filter or Image Size everything). Undo and Redo exchange those
// tiles with the painting's, so every step costs what it changed.
class UndoHistory {
  public:
    static constexpr uint32_t kDefaultSteps = 5;
    static constexpr uint32_t kMostSteps = 100;

    UndoHistory();
    // A history taken over records the painting's writes again from its next step.
    UndoHistory(UndoHistory&& other);
    UndoHistory& operator=(UndoHistory&& other);

    // Called just before an operation changes the painting.
    void pushSnapshot(Canvas& painting);
    // The same for an operation the user may stop half-way: until keepSnapshot(), the
    // snapshot and every entry that taking it pushed out can be taken back whole.
    void pushRevertibleSnapshot(Canvas& painting);
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
    // While another painting is read in over the shown one, which clearHistory() then lets go:
    // its cells need no copy. A refused painting resumes the recording as it was.
    void pauseRecording() { recorder_.detach(); }
    void resumeRecording(Canvas& painting) { recordWrites(painting); }

    // The Edit menu's rule.
    bool undoEnabled() const { return position_ < count(); }
    bool redoEnabled() const { return position_ > 1; }

    // True while the painting has no unsaved changes; every snapshot, Undo and Redo clears it.
    bool documentClean() const { return documentClean_; }
    void setDocumentClean(bool clean) { documentClean_ = clean; }

    // How far Undo may go back, 1 to kMostSteps (clamped). Fewer steps let the oldest entries
    // go at once, except the one Undo would reach next from the state shown.
    void setSteps(uint32_t steps);
    uint32_t steps() const { return steps_; }

    uint32_t count() const { return uint32_t(entries_.size()); }
    uint32_t position() const { return position_; }
    bool presentSaved() const { return presentSaved_; }

    // The memory the history holds for its entries, in bytes.
    std::size_t bytesHeld() const;

    // Checking mode (on in debug builds): at every step, the tiles that were not saved must be
    // as they were at the previous step, or some writer went behind the history's back.
    void setWriteChecking(bool on) { recorder_.setChecking(on); }
    // Checks the writes since the last step now; the first failure found so far, or empty.
    const std::string& checkWrites();

  private:
    struct Entry {
        uint32_t width = 0;
        uint32_t height = 0;
        TileChanges changes;  // from this state to the next newer one
    };

    enum class Dropped { Released, KeptAside };

    void takeSnapshot(Canvas& painting, Dropped dropped);
    void dropEntry(std::size_t index, Dropped dropped);
    void release(TileChanges changes);
    void recordWrites(Canvas& painting);

    std::deque<Entry> entries_;  // newest first
    // Tiles written while an older state is shown with no snapshot taken: Undo and Redo put
    // them back first, as a whole copy of that state would.
    TileChanges strays_;
    TileRecorder recorder_;
    uint32_t steps_ = kDefaultSteps;
    uint32_t position_ = 0;
    uint32_t shown_ = 0;  // the state the painting's cells hold: 0 live, else an entry
    bool presentSaved_ = false;
    bool documentClean_ = true;

    // What a revertible snapshot changed, while it can still be taken back.
    struct Revert {
        bool pending = false;
        std::vector<Entry> newer;   // dropped from the front, newest first
        std::vector<Entry> oldest;  // the oldest entry, when the list was full
        TileChanges strays;
        uint32_t position = 0;
        bool presentSaved = false;
        bool documentClean = true;
    };
    Revert revert_;
};

}  // namespace dw
