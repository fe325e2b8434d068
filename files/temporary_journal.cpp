#include "files/temporary_journal.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <mutex>

namespace dw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".saving-";

std::mutex journalMutex;
fs::path journalFolder;
std::atomic<unsigned> noteCount = 0;

// Only what a writer names as its temporary is ever removed, whatever a note says.
bool namesATemporary(const std::string& path) {
    return !path.empty() && path[0] == '/' &&
           fs::path(path).filename().string().find(kTemporaryMark) != std::string::npos;
}

void clearEndedRuns(const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        platform::FileLock lock = platform::FileLock::tryHold(entry.path());
        if (!lock.held()) {
            continue;  // its writer is still at work
        }
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string temporary{std::istreambuf_iterator<char>(in), {}};
        std::error_code ignored;
        if (namesATemporary(temporary)) {
            fs::remove(temporary, ignored);
        }
        lock.removeFile();
    }
}

}  // namespace

void keepTemporaryJournal(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    clearEndedRuns(folder);
    std::lock_guard lock(journalMutex);
    journalFolder = folder;
}

void stopTemporaryJournal() {
    std::lock_guard lock(journalMutex);
    journalFolder.clear();
}

TemporaryNote TemporaryNote::open() {
    fs::path folder;
    {
        std::lock_guard lock(journalMutex);
        folder = journalFolder;
    }
    TemporaryNote note;
    if (!folder.empty()) {
        const std::string name = std::to_string(getpid()) + "-" + std::to_string(noteCount++);
        note.lock_ = platform::FileLock::tryHold(folder / name);
    }
    return note;
}

TemporaryNote& TemporaryNote::operator=(TemporaryNote&& other) noexcept {
    if (this != &other) {
        lock_.removeFile();
        lock_ = std::move(other.lock_);
    }
    return *this;
}

TemporaryNote::~TemporaryNote() {
    lock_.removeFile();
}

void TemporaryNote::record(const std::string& temporaryPath) {
    if (lock_.held()) {
        std::ofstream(lock_.path(), std::ios::binary | std::ios::trunc) << temporaryPath;
    }
}

}  // namespace dw
