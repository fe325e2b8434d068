#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "canvas/canvas_cell.h"
#include "canvas/large_buffer.h"
#include "files/recovery_note.h"
#include "files/recovery_slot.h"
#include "files/recovery_store.h"

namespace dw {

class Canvas;

enum class AutosaveOffer { Taken, Unchanged, Busy, Failed };

// Writes this run's recovery entry on a thread of its own. The caller's only cost is a copy
// of the cells into a buffer kept from one offer to the next; encoding and writing happen on
// the worker. A failing write never touches the painting and is told once per run.
class AutosaveWriter {
  public:
    explicit AutosaveWriter(RecoverySlot slot, SecondsClock clock = systemSeconds);
    // Cancels a write under way; the entry stays as the last complete write left it.
    ~AutosaveWriter();
    AutosaveWriter(const AutosaveWriter&) = delete;
    AutosaveWriter& operator=(const AutosaveWriter&) = delete;

    // Between strokes: copies the cells and has them written, with the painting's own file and
    // name and the time now. Busy while the last copy is still being written, or while the
    // worker prepares a large buffer for a painting of a new size: offer it again later. Unchanged
    // when the entry holds these very cells already: a painter who rests costs a comparison, not a
    // write. Failed when there is no memory for the copy (told like a failed write).
    AutosaveOffer offer(const Canvas& painting, const std::string& documentPath,
                        const std::string& documentName);
    // True the first time a write has failed in this run, and never again.
    bool takeFailureNotice();
    // A write has completed since the entry was last removed: the entry is on the disk.
    bool entryWritten();
    // Waits until no copy is waiting or being written.
    void waitUntilIdle();
    // After a clean exit, a Save or discarding the changes: stops a write under way and
    // removes the entry.
    void removeEntry();

  private:
    void work();

    RecoverySlot slot_;
    SecondsClock clock_;
    LargeBuffer<CanvasCell> copy_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    RecoveryNote note_;

    std::mutex mutex_;
    std::condition_variable changed_;
    bool waiting_ = false;  // a copy is ready for the worker
    bool writing_ = false;
    bool stopping_ = false;
    bool failed_ = false;
    bool failureTold_ = false;
    bool written_ = false;            // the entry exists
    bool copyWritten_ = false;        // the entry holds the copy's cells
    std::size_t preparingCells_ = 0;  // the worker is making copy_ this large
    std::atomic<bool> cancel_ = false;
    std::thread worker_;
};

}  // namespace dw
