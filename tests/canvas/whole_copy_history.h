#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/undo_history.h"

namespace dw::test {

// The undo history as whole copies of the painting, step by step as first designed: the
// reference that the tile history must match.
class WholeCopyHistory {
  public:
    void push(const Canvas& painting) {
        while (position > 0 && !entries.empty()) {
            entries.pop_front();
            --position;
        }
        presentSaved = false;
        position = 0;
        if (entries.size() > steps) {
            entries.pop_back();
        }
        entries.push_front(
            {painting.width(), painting.height(),
             std::vector<CanvasCell>(painting.cells(), painting.cells() + painting.cellCount())});
        documentClean = false;
    }
    RestoreResult undo(Canvas& painting) {
        if (position >= entries.size()) {
            return {};
        }
        if (!presentSaved) {
            push(painting);
            position = 1;
            presentSaved = true;
        }
        ++position;
        return restore(painting);
    }
    RestoreResult redo(Canvas& painting) {
        if (position <= 1) {
            return {};
        }
        --position;
        return restore(painting);
    }
    void setSteps(uint32_t count) {
        steps = count;
        while (entries.size() > std::max<std::size_t>(steps + 1, position + 1)) {
            entries.pop_back();
        }
    }
    void clear() {
        entries.clear();
        presentSaved = false;
        position = 0;
    }

    uint32_t count() const { return uint32_t(entries.size()); }

    uint32_t steps = UndoHistory::kDefaultSteps;
    uint32_t position = 0;
    bool presentSaved = false;
    bool documentClean = true;

  private:
    struct Entry {
        uint32_t width;
        uint32_t height;
        std::vector<CanvasCell> cells;
    };

    RestoreResult restore(Canvas& painting) {
        const Entry& entry = entries[position - 1];
        RestoreResult result{true,
                             entry.width != painting.width() || entry.height != painting.height()};
        painting.create(entry.width, entry.height);
        std::memcpy(painting.cellsForWriting(), entry.cells.data(),
                    entry.cells.size() * sizeof(CanvasCell));
        documentClean = false;
        return result;
    }

    std::deque<Entry> entries;
};

}  // namespace dw::test
