#include "canvas/tile_recorder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "canvas/canvas.h"

namespace dw {

void TileRecorder::attach(Canvas& painting, TileChanges& target, TileChanges* alsoKeep) {
    detach();
    painting_ = &painting;
    grid_ = {painting.width(), painting.height()};
    if (spare_.size() != painting.cellCount()) {
        spare_.reset();  // kept for a painting of another size
    }
    targets_[0].changes = &target;
    targets_[1].changes = alsoKeep;
    for (Target& t : targets_) {
        t.kept.assign(t.changes ? grid_.count() : 0, 0);
        if (t.changes) {
            t.changes->forEachTile([&t](uint32_t index) { t.kept[index] = 1; });
        }
    }
    if (checking_) {
        baselineGrid_ = grid_;
        baseline_.allocate(painting.cellCount());
        if (painting.hasCells()) {
            std::memcpy(baseline_.data(), painting.cells(),
                        painting.cellCount() * sizeof(CanvasCell));
        }
    }
    painting.setRecorder(this);
}

void TileRecorder::detach() {
    if (!painting_) {
        return;
    }
    if (checking_) {
        check();
    }
    painting_->setRecorder(nullptr);
    painting_ = nullptr;
    for (Target& t : targets_) {
        t = Target();
    }
}

void TileRecorder::beforeWrite(const CellArea& area) {
    if (!painting_ || area.empty()) {
        return;
    }
    for (Target& target : targets_) {
        if (!target.changes || target.changes->whole()) {
            continue;
        }
        if (area.x0 == 0 && area.y0 == 0 && area.x1 >= grid_.width && area.y1 >= grid_.height) {
            keepWhole(target);
        } else {
            keepArea(target, area);
        }
    }
}

void TileRecorder::keepArea(Target& target, const CellArea& area) {
    const uint32_t x1 = std::min(area.x1, grid_.width);
    const uint32_t y1 = std::min(area.y1, grid_.height);
    if (area.x0 >= x1 || area.y0 >= y1) {
        return;
    }
    const uint32_t across = grid_.across();
    for (uint32_t ty = area.y0 / TileGrid::kSide; ty <= (y1 - 1) / TileGrid::kSide; ++ty) {
        for (uint32_t tx = area.x0 / TileGrid::kSide; tx <= (x1 - 1) / TileGrid::kSide; ++tx) {
            const uint32_t index = ty * across + tx;
            if (!target.kept[index]) {
                target.kept[index] = 1;
                target.changes->saveTile(*painting_, index);
            }
        }
    }
}

LargeBuffer<CanvasCell> TileRecorder::takeSpare() {
    LargeBuffer<CanvasCell> block;
    if (spare_.size() == painting_->cellCount()) {
        block = std::move(spare_);
    }
    spare_.reset();
    return block;
}

void TileRecorder::keepWhole(Target& target) {
    target.changes->saveWhole(*painting_, takeSpare());
}

LargeBuffer<CanvasCell> TileRecorder::gridForRewrite() {
    if (!painting_ || std::none_of(std::begin(targets_), std::end(targets_), [](const Target& t) {
            return t.changes && !t.changes->whole();
        })) {
        return {};
    }
    LargeBuffer<CanvasCell> grid = takeSpare();
    grid.allocate(painting_->cellCount());
    return grid;
}

void TileRecorder::beforeReplace(LargeBuffer<CanvasCell>& cells, uint32_t width, uint32_t height) {
    if (!painting_) {
        return;
    }
    Target& also = targets_[1];
    if (also.changes && !also.changes->whole()) {
        LargeBuffer<CanvasCell> copy(cells.size());
        std::memcpy(copy.data(), cells.data(), cells.size() * sizeof(CanvasCell));
        also.changes->adoptWhole(std::move(copy), width, height);
    }
    Target& target = targets_[0];
    if (target.changes && !target.changes->whole()) {
        target.changes->adoptWhole(std::move(cells), width, height);
    }
}

void TileRecorder::keepSpare(LargeBuffer<CanvasCell> block) {
    // One is enough for the next filter; more would only hold memory.
    if (!block.empty()) {
        spare_ = std::move(block);
        spareLent_ = false;
    }
}

void TileRecorder::check() {
    const Target& target = targets_[0];
    if (!target.changes || target.changes->whole() || !checkFailure_.empty()) {
        return;
    }
    if (painting_->width() != baselineGrid_.width || painting_->height() != baselineGrid_.height) {
        checkFailure_ = "the painting changed its size without the history's knowledge";
    }
    for (uint32_t index = 0; index < grid_.count() && checkFailure_.empty(); ++index) {
        if (target.kept[index]) {
            continue;
        }
        const CellArea a = grid_.area(index);
        for (uint32_t y = a.y0; y < a.y1; ++y) {
            const std::size_t offset = std::size_t(y) * grid_.width + a.x0;
            if (std::memcmp(painting_->cells() + offset, baseline_.data() + offset,
                            (a.x1 - a.x0) * sizeof(CanvasCell)) != 0) {
                checkFailure_ = "cells of the tile at (" + std::to_string(a.x0) + ", " +
                                std::to_string(a.y0) + ") changed without being saved first";
                std::fprintf(stderr, "Undo check: %s\n", checkFailure_.c_str());
                break;
            }
        }
    }
}

}  // namespace dw
