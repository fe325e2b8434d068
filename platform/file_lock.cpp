#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace dw::platform {
namespace {

// A holder that removed the file between our open and our lock left us a lock on a file
// nobody else can find: only a lock on the file the path still names counts.
bool lockedFileIsNamed(int descriptor, const std::filesystem::path& path) {
    struct stat held {};
    struct stat named {};
    return fstat(descriptor, &held) == 0 && stat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(int descriptor, std::filesystem::path path)
    : descriptor_(descriptor), path_(std::move(path)) {}

FileLock::FileLock(FileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileLock::~FileLock() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

FileLock FileLock::tryHold(const std::filesystem::path& path) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            return {};
        }
        if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            close(descriptor);
            return {};
        }
        if (lockedFileIsNamed(descriptor, path)) {
            return FileLock(descriptor, path);
        }
        close(descriptor);
    }
    return {};
}

FileLock FileLock::holdCreated(int descriptor, const std::filesystem::path& path) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0 || !lockedFileIsNamed(descriptor, path)) {
        close(descriptor);
        return {};
    }
    return FileLock(descriptor, path);
}

void FileLock::removeFile() {
    if (descriptor_ >= 0) {
        unlink(path_.c_str());
        close(descriptor_);
        descriptor_ = -1;
    }
}

}  // namespace dw::platform
