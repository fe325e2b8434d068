#include "canvas/undo_history.h"

#include <cstring>

#include "platform/message_box.h"

namespace dw {

void UndoHistory::removeEntry(std::size_t index) {
    LargeBuffer<CanvasCell> block = std::move(entries_[index].cells);
    entries_.erase(entries_.begin() + std::ptrdiff_t(index));
    // Never hold more blocks in all than the history can use.
    if (entries_.size() + spare_.size() < kMaxEntries) {
        spare_.push_back(std::move(block));
    }
}

LargeBuffer<CanvasCell> UndoHistory::blockFor(std::size_t cellCount) {
    for (std::size_t i = 0; i < spare_.size(); ++i) {
        if (spare_[i].size() == cellCount) {
            LargeBuffer<CanvasCell> block = std::move(spare_[i]);
            spare_.erase(spare_.begin() + std::ptrdiff_t(i));
            return block;
        }
    }
    // A block of another size is of no use to this painting; let the memory go back.
    if (!spare_.empty()) {
        spare_.pop_back();
    }
    return LargeBuffer<CanvasCell>(cellCount);
}

void UndoHistory::pushSnapshot(const Canvas& painting) {
    // Drop the redo side: the entries newer than the one shown, and the one shown.
    while (position_ > 0 && !entries_.empty()) {
        removeEntry(0);
        --position_;
    }
    presentSaved_ = false;
    position_ = 0;
    if (entries_.size() > kMaxEntries - 1) {
        removeEntry(entries_.size() - 1);
    }
    Entry entry;
    entry.width = painting.width();
    entry.height = painting.height();
    entry.cells = blockFor(painting.cellCount());
    if (painting.hasCells()) {
        std::memcpy(entry.cells.data(), painting.cells(),
                    painting.cellCount() * sizeof(CanvasCell));
    }
    entries_.push_front(std::move(entry));
    documentClean_ = false;
}

RestoreResult UndoHistory::undo(Canvas& painting) {
    if (position_ >= count()) {
        return {};
    }
    if (!presentSaved_) {
        pushSnapshot(painting);
        position_ = 1;
        presentSaved_ = true;
    }
    ++position_;
    return restoreEntry(painting);
}

RestoreResult UndoHistory::redo(Canvas& painting) {
    if (position_ <= 1) {
        return {};
    }
    --position_;
    return restoreEntry(painting);
}

RestoreResult UndoHistory::restoreEntry(Canvas& painting) {
    if (position_ == 0 || position_ > count()) {
        platform::showMessage("NULL!", "Error");
        return {};
    }
    const Entry& entry = entries_[position_ - 1];
    RestoreResult result;
    result.restored = true;
    result.sizeChanged = entry.width != painting.width() || entry.height != painting.height();
    // Same size: every cell and pixel is overwritten below, so keep the blocks.
    if (result.sizeChanged || !painting.hasCells()) {
        painting.create(entry.width, entry.height);
    }
    std::memcpy(painting.cells(), entry.cells.data(), entry.cells.size() * sizeof(CanvasCell));
    painting.shadeAll();
    documentClean_ = false;
    return result;
}

void UndoHistory::clearHistory() {
    while (!entries_.empty()) {
        removeEntry(entries_.size() - 1);
    }
    spare_.clear();
    presentSaved_ = false;
    position_ = 0;
}

}  // namespace dw
