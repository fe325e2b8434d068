#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "files/recovery_note.h"
#include "platform/file_lock.h"

namespace dw {

class Canvas;

// Seconds since 1970: the store's sense of time, replaced in tests.
using SecondsClock = std::function<int64_t()>;
int64_t systemSeconds();

struct RecoveryEntry {
    std::string id;
    RecoveryNote note;
};

// The folder of autosaved paintings (platform::recoveryFolder()), as a start after a crash
// sees it. Entries put aside (not wanted, or refused as damaged) wait in discarded/ and
// damaged/ for a week, then go.
class RecoveryStore {
  public:
    static constexpr int64_t kKeptAsideSeconds = 7 * 24 * 60 * 60;

    // Creates the folder, removes what killed writers left half-written and what was put
    // aside more than a week ago.
    explicit RecoveryStore(std::filesystem::path folder, SecondsClock clock = systemSeconds);

    bool usable() const { return usable_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Entries of runs that ended without removing them, newest first. Each is held by this
    // store from now on, so that no other start offers it too; an entry whose run is still
    // going is never listed.
    std::vector<RecoveryEntry> leftEntries();
    // Loads a listed entry into the painting. A refused one is reported like any damaged
    // document and moved to damaged/; the painting is then left as it was.
    bool load(const RecoveryEntry& entry, Canvas& painting);
    // The painting is safe elsewhere (recovered and saved, or written again by this run).
    void remove(const RecoveryEntry& entry);
    // Not wanted: moved to discarded/.
    void discard(const RecoveryEntry& entry);

  private:
    void clearLeftovers();
    void expireAside(const char* subfolder);
    void moveAside(const RecoveryEntry& entry, const char* subfolder);
    std::filesystem::path file(const std::string& id, const char* ending) const {
        return folder_ / (id + ending);
    }

    std::filesystem::path folder_;
    SecondsClock clock_;
    bool usable_ = false;
    std::map<std::string, platform::FileLock> held_;
};

}  // namespace dw
