#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "files/recovery_note.h"
#include "platform/file_lock.h"

namespace dw {

struct CanvasCell;

// The recovery folder's names for an entry: the painting "<id>.pai", an exact document, its
// note "<id>.note" and "<id>.lock", held by the run that writes the entry while it runs.
namespace recovery_names {
inline constexpr const char* kPainting = ".pai";
inline constexpr const char* kNote = ".note";
inline constexpr const char* kLock = ".lock";
}  // namespace recovery_names

// This run's own entry in the recovery folder, locked for as long as the slot lives, so that
// no other start offers it.
class RecoverySlot {
  public:
    // Nothing when the folder cannot hold a new entry.
    static std::optional<RecoverySlot> open(const std::filesystem::path& folder);

    RecoverySlot(RecoverySlot&&) = default;
    RecoverySlot& operator=(RecoverySlot&&) = default;
    // The lock goes; an entry written and not cleared stays for the next start to offer.
    ~RecoverySlot();

    // Writes the cells as the entry, then its note. A failed or cancelled write leaves the
    // entry as the last complete write left it; the note is written only after the painting.
    bool write(const CanvasCell* cells, uint32_t width, uint32_t height, const RecoveryNote& note,
               const std::atomic<bool>& cancel);
    // Removes the entry's painting and note; the slot stays held for the next write.
    void clear();
    const std::string& id() const { return id_; }

  private:
    RecoverySlot(std::filesystem::path folder, std::string id, platform::FileLock lock);
    std::filesystem::path file(const char* ending) const { return folder_ / (id_ + ending); }

    std::filesystem::path folder_;
    std::string id_;
    platform::FileLock lock_;
};

}  // namespace dw
