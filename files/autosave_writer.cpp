#include "files/autosave_writer.h"

#include <cstring>
#include <new>

#include "canvas/canvas.h"
#include "canvas/row_split.h"

namespace dw {
namespace {

// A fresh buffer this large costs the painter a visible stall in page faults (most of a second
// for a 5000 x 5000 painting), so the worker maps and touches it first.
constexpr std::size_t kPreparedInBackgroundBytes = std::size_t(32) << 20;

void touchPages(LargeBuffer<CanvasCell>& buffer) {
    auto* bytes = reinterpret_cast<volatile unsigned char*>(buffer.data());
    const std::size_t size = buffer.size() * sizeof(CanvasCell);
    for (std::size_t at = 0; at < size; at += 4096) {
        bytes[at] = 0;
    }
}

}  // namespace

AutosaveWriter::AutosaveWriter(RecoverySlot slot, SecondsClock clock)
    : slot_(std::move(slot)), clock_(std::move(clock)), worker_([this] { work(); }) {}

AutosaveWriter::~AutosaveWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        cancel_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

AutosaveOffer AutosaveWriter::offer(const Canvas& painting, const std::string& documentPath,
                                    const std::string& documentName) {
    {
        std::lock_guard lock(mutex_);
        if (waiting_ || writing_ || preparingCells_ != 0 || !painting.hasCells()) {
            return AutosaveOffer::Busy;
        }
        if (copyWritten_ && width_ == painting.width() && height_ == painting.height() &&
            std::memcmp(copy_.data(), painting.cells(),
                        painting.cellCount() * sizeof(CanvasCell)) == 0) {
            return AutosaveOffer::Unchanged;
        }
        copyWritten_ = false;
        if (copy_.size() != painting.cellCount() &&
            painting.cellCount() * sizeof(CanvasCell) >= kPreparedInBackgroundBytes) {
            preparingCells_ = painting.cellCount();
            changed_.notify_all();
            return AutosaveOffer::Busy;
        }
    }
    // The worker leaves the buffer alone until it is told a copy is waiting.
    width_ = painting.width();
    height_ = painting.height();
    try {
        copy_.allocate(painting.cellCount());
    } catch (const std::bad_alloc&) {
        // No room for the copy: a failed autosave, which the painting must not pay for.
        std::lock_guard lock(mutex_);
        failed_ = true;
        return AutosaveOffer::Failed;
    }
    const CanvasCell* cells = painting.cells();
    CanvasCell* copy = copy_.data();
    const std::size_t rowBytes = std::size_t(width_) * sizeof(CanvasCell);
    splitRows(0, height_, [&](uint32_t from, uint32_t to) {
        const std::size_t first = std::size_t(from) * width_;
        std::memcpy(copy + first, cells + first, (to - from) * rowBytes);
    });
    note_ = {documentPath, documentName, clock_()};
    {
        std::lock_guard lock(mutex_);
        waiting_ = true;
        cancel_ = false;
    }
    changed_.notify_all();
    return AutosaveOffer::Taken;
}

void AutosaveWriter::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return waiting_ || stopping_ || preparingCells_ != 0; });
        if (stopping_) {
            return;
        }
        if (preparingCells_ != 0) {
            const std::size_t cells = preparingCells_;
            lock.unlock();
            bool prepared = true;
            try {
                copy_.allocate(cells);
                touchPages(copy_);
            } catch (const std::bad_alloc&) {
                prepared = false;
            }
            lock.lock();
            preparingCells_ = 0;
            failed_ = failed_ || !prepared;
            changed_.notify_all();
            continue;
        }
        waiting_ = false;
        writing_ = true;
        lock.unlock();
        const bool written = slot_.write(copy_.data(), width_, height_, note_, cancel_);
        lock.lock();
        writing_ = false;
        failed_ = failed_ || (!written && !cancel_);
        written_ = written_ || written;
        copyWritten_ = written;
        changed_.notify_all();
    }
}

bool AutosaveWriter::entryWritten() {
    std::lock_guard lock(mutex_);
    return written_;
}

bool AutosaveWriter::takeFailureNotice() {
    std::lock_guard lock(mutex_);
    if (!failed_ || failureTold_) {
        return false;
    }
    failureTold_ = true;
    return true;
}

void AutosaveWriter::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_ && preparingCells_ == 0; });
}

void AutosaveWriter::removeEntry() {
    std::unique_lock lock(mutex_);
    waiting_ = false;
    cancel_ = true;
    changed_.wait(lock, [this] { return !writing_; });
    slot_.clear();
    cancel_ = false;
    written_ = false;
    copyWritten_ = false;
}

}  // namespace dw
