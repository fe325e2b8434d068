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
    keepSnapshot();
    takeSnapshot(painting, Dropped::Recycled);
}

void UndoHistory::pushRevertibleSnapshot(const Canvas& painting) {
    keepSnapshot();
    revert_.pending = true;
    revert_.position = position_;
    revert_.presentSaved = presentSaved_;
    revert_.documentClean = documentClean_;
    takeSnapshot(painting, Dropped::KeptAside);
}

void UndoHistory::takeSnapshot(const Canvas& painting, Dropped dropped) {
    // Drop the redo side: the entries newer than the one shown, and the one shown.
    while (position_ > 0 && !entries_.empty()) {
        dropEntry(0, dropped);
        --position_;
    }
    presentSaved_ = false;
    position_ = 0;
    if (entries_.size() > kMaxEntries - 1) {
        dropEntry(entries_.size() - 1, dropped);
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

void UndoHistory::dropEntry(std::size_t index, Dropped dropped) {
    if (dropped == Dropped::Recycled) {
        removeEntry(index);
        return;
    }
    std::vector<Entry>& aside = index == 0 ? revert_.newer : revert_.oldest;
    aside.push_back(std::move(entries_[index]));
    entries_.erase(entries_.begin() + std::ptrdiff_t(index));
}

void UndoHistory::takeBackSnapshot(Canvas& painting) {
    if (!revert_.pending || entries_.empty()) {
        return;
    }
    Entry snapshot = std::move(entries_.front());
    entries_.pop_front();
    if (snapshot.width != painting.width() || snapshot.height != painting.height() ||
        !painting.hasCells()) {
        painting.create(snapshot.width, snapshot.height);
    }
    std::memcpy(painting.cells(), snapshot.cells.data(),
                snapshot.cells.size() * sizeof(CanvasCell));
    painting.invalidateShading();
    for (auto it = revert_.newer.rbegin(); it != revert_.newer.rend(); ++it) {
        entries_.push_front(std::move(*it));
    }
    for (Entry& entry : revert_.oldest) {
        entries_.push_back(std::move(entry));
    }
    if (entries_.size() + spare_.size() < kMaxEntries) {
        spare_.push_back(std::move(snapshot.cells));
    }
    position_ = revert_.position;
    presentSaved_ = revert_.presentSaved;
    documentClean_ = revert_.documentClean;
    revert_ = Revert();
}

void UndoHistory::keepSnapshot() {
    for (std::vector<Entry>* aside : {&revert_.newer, &revert_.oldest}) {
        for (Entry& entry : *aside) {
            if (entries_.size() + spare_.size() < kMaxEntries) {
                spare_.push_back(std::move(entry.cells));
            }
        }
    }
    revert_ = Revert();
}

RestoreResult UndoHistory::undo(Canvas& painting) {
    keepSnapshot();
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
    keepSnapshot();
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
    revert_ = Revert();
    while (!entries_.empty()) {
        removeEntry(entries_.size() - 1);
    }
    spare_.clear();
    presentSaved_ = false;
    position_ = 0;
}

}  // namespace dw
