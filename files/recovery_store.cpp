#include "files/recovery_store.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

#include "files/document_file.h"
#include "files/recovery_slot.h"

namespace dw {
namespace {

namespace fs = std::filesystem;
using namespace recovery_names;

constexpr std::string_view kTemporaryMark = ".saving-";
constexpr const char* kDiscarded = "discarded";
constexpr const char* kDamaged = "damaged";

bool endsWith(std::string_view name, std::string_view ending) {
    return name.size() > ending.size() && name.substr(name.size() - ending.size()) == ending;
}

std::optional<int64_t> modifiedAt(const fs::path& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return int64_t(info.st_mtim.tv_sec);
}

// What an entry's writer names its files: "<id>.pai", "<id>.note", "<id>.lock" and, while
// writing, "<id>.pai.saving-..."; the id of anything else is empty.
std::string idOf(const std::string& name) {
    const std::size_t temporary = name.find(kTemporaryMark);
    const std::string whole = temporary == std::string::npos ? name : name.substr(0, temporary);
    for (const char* ending : {kPainting, kNote, kLock}) {
        if (endsWith(whole, ending)) {
            return whole.substr(0, whole.size() - std::string_view(ending).size());
        }
    }
    return {};
}

std::vector<std::string> fileNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored)) {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

std::string textOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int64_t systemSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

RecoveryStore::RecoveryStore(fs::path folder, SecondsClock clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {
    std::error_code error;
    fs::create_directories(folder_, error);
    usable_ = fs::is_directory(folder_, error);
    if (usable_) {
        clearLeftovers();
        expireAside(kDiscarded);
        expireAside(kDamaged);
    }
}

// Half-written files, and notes and locks without a painting, of runs that have ended.
void RecoveryStore::clearLeftovers() {
    const std::vector<std::string> names = fileNames(folder_);
    std::set<std::string> ids;
    for (const std::string& name : names) {
        const std::string id = idOf(name);
        const bool temporary = name.find(kTemporaryMark) != std::string::npos;
        std::error_code error;
        if (!id.empty() && (temporary || !fs::exists(file(id, kPainting), error))) {
            ids.insert(id);
        }
    }
    for (const std::string& id : ids) {
        platform::FileLock lock = platform::FileLock::tryHold(file(id, kLock));
        if (!lock.held()) {
            continue;  // its run is still writing
        }
        std::error_code error;
        for (const std::string& name : names) {
            if (idOf(name) == id && name.find(kTemporaryMark) != std::string::npos) {
                fs::remove(folder_ / name, error);
            }
        }
        if (!fs::exists(file(id, kPainting), error)) {
            fs::remove(file(id, kNote), error);
            lock.removeFile();
        }
    }
}

void RecoveryStore::expireAside(const char* subfolder) {
    const int64_t now = clock_();
    for (const std::string& name : fileNames(folder_ / subfolder)) {
        const fs::path path = folder_ / subfolder / name;
        const std::optional<int64_t> putAside = modifiedAt(path);
        if (putAside && now - *putAside >= kKeptAsideSeconds) {
            std::error_code error;
            fs::remove(path, error);
        }
    }
}

std::vector<RecoveryEntry> RecoveryStore::leftEntries() {
    std::vector<RecoveryEntry> entries;
    for (const std::string& name : fileNames(folder_)) {
        if (!endsWith(name, kPainting) || name.find(kTemporaryMark) != std::string::npos) {
            continue;
        }
        const std::string id = name.substr(0, name.size() - std::string_view(kPainting).size());
        if (!held_.contains(id)) {
            platform::FileLock lock = platform::FileLock::tryHold(file(id, kLock));
            if (!lock.held()) {
                continue;
            }
            held_.emplace(id, std::move(lock));
        }
        RecoveryEntry entry{id, {}};
        if (std::optional<RecoveryNote> note = parseRecoveryNote(textOf(file(id, kNote)))) {
            entry.note = *note;
        } else {
            // The painting matters more than its note: offer it, timed by its file.
            entry.note.savedAt = modifiedAt(file(id, kPainting)).value_or(0);
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const RecoveryEntry& a, const RecoveryEntry& b) {
        return a.note.savedAt > b.note.savedAt;
    });
    return entries;
}

bool RecoveryStore::load(const RecoveryEntry& entry, Canvas& painting) {
    if (!held_.contains(entry.id)) {
        return false;
    }
    if (LoadDocument(painting, file(entry.id, kPainting).string())) {
        return true;
    }
    moveAside(entry, kDamaged);
    return false;
}

// Only entries this store holds are touched: the others belong to running programs.
void RecoveryStore::remove(const RecoveryEntry& entry) {
    const auto held = held_.find(entry.id);
    if (held == held_.end()) {
        return;
    }
    std::error_code error;
    fs::remove(file(entry.id, kPainting), error);
    fs::remove(file(entry.id, kNote), error);
    held->second.removeFile();
    held_.erase(held);
}

void RecoveryStore::discard(const RecoveryEntry& entry) {
    moveAside(entry, kDiscarded);
}

// The files' times become the day they were put aside, which the week is counted from.
void RecoveryStore::moveAside(const RecoveryEntry& entry, const char* subfolder) {
    const auto held = held_.find(entry.id);
    if (held == held_.end()) {
        return;
    }
    std::error_code error;
    fs::create_directories(folder_ / subfolder, error);
    const timespec now{clock_(), 0};
    const timespec times[2] = {now, now};
    for (const char* ending : {kPainting, kNote}) {
        const fs::path aside = folder_ / subfolder / (entry.id + ending);
        fs::rename(file(entry.id, ending), aside, error);
        if (!error) {
            utimensat(AT_FDCWD, aside.c_str(), times, 0);
        }
    }
    if (fs::exists(file(entry.id, kPainting), error)) {
        return;  // it could not be moved: offered again next time rather than lost
    }
    held->second.removeFile();
    held_.erase(held);
}

}  // namespace dw
