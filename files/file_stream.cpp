#include "files/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dw {
namespace {

const char* flagsFor(FileMode mode) {
    return mode == FileMode::Read ? "rb" : (mode == FileMode::Write ? "wb" : "ab");
}

}  // namespace

bool FileStream::open(const std::string& path, FileMode mode) {
    close();
    file_ = std::fopen(path.c_str(), flagsFor(mode));
    if (!file_) {
        return false;
    }
    path_ = path;
    mode_ = mode;
    struct stat info {};
    size_ = fstat(fileno(file_), &info) == 0 ? uint64_t(info.st_size) : 0;
    return true;
}

bool FileStream::adopt(int descriptor, const std::string& path, FileMode mode) {
    close();
    file_ = fdopen(descriptor, flagsFor(mode));
    if (!file_) {
        ::close(descriptor);
        return false;
    }
    path_ = path;
    mode_ = mode;
    struct stat info {};
    size_ = fstat(descriptor, &info) == 0 ? uint64_t(info.st_size) : 0;
    return true;
}

bool FileStream::close() {
    if (!file_) {
        return true;
    }
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    unsent_ = 0;
    return ok;
}

std::size_t FileStream::read(void* destination, std::size_t count) {
    return file_ ? std::fread(destination, 1, count, file_) : 0;
}

bool FileStream::skip(uint64_t count) {
    if (!file_) {
        return false;
    }
    const uint64_t here = tell();
    if (count > size_ || here > size_ - count) {
        return false;
    }
    return seek(here + count);
}

uint64_t FileStream::available() const {
    const uint64_t here = tell();
    return here < size_ ? size_ - here : 0;
}

bool FileStream::write(const void* source, std::size_t count) {
    if (!file_ || std::fwrite(source, 1, count, file_) != count) {
        return false;
    }
    unsent_ += count;
    if (unsent_ < kWritebackStep) {
        return true;
    }
    // The disk starts on what is written while the writer goes on, so that the sync at the end
    // of a large file finds most of it done.
    unsent_ = 0;
    if (std::fflush(file_) != 0) {
        return false;
    }
    sync_file_range(fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
    return true;
}

bool FileStream::seek(uint64_t offset) {
    return file_ && fseeko(file_, off_t(offset), SEEK_SET) == 0;
}

uint64_t FileStream::tell() const {
    if (!file_) {
        return 0;
    }
    const off_t position = ftello(file_);
    return position < 0 ? 0 : uint64_t(position);
}

bool FileStream::flushToDisk() {
    return file_ && std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace dw
