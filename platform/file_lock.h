#pragma once

#include <filesystem>

namespace dw::platform {

// An exclusive lock on a file that other processes can test without waiting. The system
// drops it when the holder ends in any way, a kill included, so a lock that can be taken
// says its last holder is gone. Two locks on one file conflict within a process too.
class FileLock {
  public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

    // Creates the file when missing; a lock another holder keeps gives an unheld FileLock.
    static FileLock tryHold(const std::filesystem::path& path);
    // Takes an exclusive lock on a file this process has just created.
    static FileLock holdCreated(int descriptor, const std::filesystem::path& path);

    bool held() const { return descriptor_ >= 0; }
    const std::filesystem::path& path() const { return path_; }
    // Removes the file while still holding it, then lets go.
    void removeFile();

  private:
    FileLock(int descriptor, std::filesystem::path path);

    int descriptor_ = -1;
    std::filesystem::path path_;
};

}  // namespace dw::platform
