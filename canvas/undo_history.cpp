#include "canvas/undo_history.h"

#include <algorithm>
#include <utility>

#include "platform/message_box.h"

namespace dw {

UndoHistory::UndoHistory() {
#ifndef NDEBUG
    recorder_.setChecking(true);
#endif
}

UndoHistory::UndoHistory(UndoHistory&& other) {
    *this = std::move(other);
}

UndoHistory& UndoHistory::operator=(UndoHistory&& other) {
    if (this != &other) {
        recorder_.detach();
        other.recorder_.detach();
        recorder_.setChecking(other.recorder_.checking());
        entries_ = std::move(other.entries_);
        strays_ = std::move(other.strays_);
        steps_ = other.steps_;
        position_ = std::exchange(other.position_, 0);
        shown_ = std::exchange(other.shown_, 0);
        presentSaved_ = std::exchange(other.presentSaved_, false);
        documentClean_ = std::exchange(other.documentClean_, true);
        revert_ = std::move(other.revert_);
        other.clearHistory();
    }
    return *this;
}

void UndoHistory::recordWrites(Canvas& painting) {
    if (entries_.empty()) {
        recorder_.detach();
    } else if (shown_ == 0) {
        recorder_.attach(painting, entries_.front().changes);
    } else {
        // The step from the next older state must cover the strays too, should they become
        // part of a new state when the next snapshot is taken.
        TileChanges* older = shown_ < entries_.size() ? &entries_[shown_].changes : nullptr;
        recorder_.attach(painting, strays_, older);
    }
}

void UndoHistory::release(TileChanges changes) {
    recorder_.keepSpare(changes.releaseWhole());
}

void UndoHistory::pushSnapshot(Canvas& painting) {
    keepSnapshot();
    takeSnapshot(painting, Dropped::Released);
}

void UndoHistory::pushRevertibleSnapshot(Canvas& painting) {
    keepSnapshot();
    revert_.pending = true;
    revert_.position = position_;
    revert_.presentSaved = presentSaved_;
    revert_.documentClean = documentClean_;
    takeSnapshot(painting, Dropped::KeptAside);
}

void UndoHistory::takeSnapshot(Canvas& painting, Dropped dropped) {
    recorder_.detach();
    // Drop the redo side: the entries newer than the one shown, and the one shown.
    while (position_ > 0 && !entries_.empty()) {
        dropEntry(0, dropped);
        --position_;
    }
    if (dropped == Dropped::KeptAside) {
        revert_.strays = std::move(strays_);
    }
    strays_ = TileChanges();
    recorder_.lendSpare();
    presentSaved_ = false;
    position_ = 0;
    shown_ = 0;
    if (entries_.size() > steps_) {
        dropEntry(entries_.size() - 1, dropped);
    }
    entries_.push_front(Entry{painting.width(), painting.height(), TileChanges()});
    if (std::none_of(entries_.begin(), entries_.end(),
                     [](const Entry& e) { return e.changes.whole(); })) {
        recorder_.lendSpare();  // no filter in sight: memory short elsewhere may take it
    }
    documentClean_ = false;
    recordWrites(painting);
}

void UndoHistory::setSteps(uint32_t steps) {
    keepSnapshot();
    steps_ = std::clamp(steps, 1u, kMostSteps);
    // Entries at the back go without disturbing the recorder, which writes at most into the
    // entry just older than the one shown.
    while (entries_.size() > std::max<std::size_t>(steps_ + 1, position_ + 1)) {
        dropEntry(entries_.size() - 1, Dropped::Released);
    }
}

void UndoHistory::dropEntry(std::size_t index, Dropped dropped) {
    Entry entry = std::move(entries_[index]);
    entries_.erase(entries_.begin() + std::ptrdiff_t(index));
    if (dropped == Dropped::Released) {
        release(std::move(entry.changes));
    } else {
        (index == 0 ? revert_.newer : revert_.oldest).push_back(std::move(entry));
    }
}

void UndoHistory::takeBackSnapshot(Canvas& painting) {
    if (!revert_.pending || entries_.empty()) {
        return;
    }
    recorder_.detach();
    Entry snapshot = std::move(entries_.front());
    entries_.pop_front();
    std::vector<CellArea> changed;
    recorder_.keepSpare(snapshot.changes.restoreInto(painting, changed));
    painting.invalidateShading();
    for (auto it = revert_.newer.rbegin(); it != revert_.newer.rend(); ++it) {
        entries_.push_front(std::move(*it));
    }
    for (Entry& entry : revert_.oldest) {
        entries_.push_back(std::move(entry));
    }
    strays_ = std::move(revert_.strays);
    position_ = revert_.position;
    shown_ = position_;
    presentSaved_ = revert_.presentSaved;
    documentClean_ = revert_.documentClean;
    revert_ = Revert();
    recordWrites(painting);
}

void UndoHistory::keepSnapshot() {
    for (std::vector<Entry>* aside : {&revert_.newer, &revert_.oldest}) {
        for (Entry& entry : *aside) {
            release(std::move(entry.changes));
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
        shown_ = 1;  // the new entry is the live painting
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
    recorder_.detach();
    const Entry& entry = entries_[position_ - 1];
    RestoreResult result;
    result.restored = true;
    result.sizeChanged = entry.width != painting.width() || entry.height != painting.height();
    bool shadeEverything = !painting.shaded || result.sizeChanged || strays_.whole();
    std::vector<CellArea> changed;
    recorder_.keepSpare(strays_.restoreInto(painting, changed));
    while (shown_ < position_) {
        shadeEverything |= !entries_[shown_].changes.exchangeWith(painting, changed);
        ++shown_;
    }
    while (shown_ > position_) {
        --shown_;
        shadeEverything |= !entries_[shown_].changes.exchangeWith(painting, changed);
    }
    if (shadeEverything) {
        painting.shadeAll();
    } else {
        painting.shadeAround(changed);
    }
    documentClean_ = false;
    recordWrites(painting);
    return result;
}

void UndoHistory::clearHistory() {
    recorder_.detach();
    keepSnapshot();
    // A whole copy is kept for the next filter (meeting fresh memory would cost it more than
    // the copy itself), lent to the kernel until then.
    for (Entry& entry : entries_) {
        release(std::move(entry.changes));
    }
    entries_.clear();
    release(std::move(strays_));
    strays_ = TileChanges();
    recorder_.lendSpare();
    presentSaved_ = false;
    position_ = 0;
    shown_ = 0;
}

std::size_t UndoHistory::bytesHeld() const {
    std::size_t total = strays_.bytes() + recorder_.spareBytes();
    for (const Entry& entry : entries_) {
        total += entry.changes.bytes();
    }
    for (const std::vector<Entry>* aside : {&revert_.newer, &revert_.oldest}) {
        for (const Entry& entry : *aside) {
            total += entry.changes.bytes();
        }
    }
    return total + revert_.strays.bytes();
}

const std::string& UndoHistory::checkWrites() {
    if (Canvas* painting = recorder_.painting()) {
        recordWrites(*painting);
    }
    return recorder_.checkFailure();
}

}  // namespace dw
