#include "files/store_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace dw {
namespace {

bool readAt(int fd, void* destination, std::size_t count, uint64_t offset) {
    auto* bytes = static_cast<uint8_t*>(destination);
    while (count > 0) {
        const ssize_t n = pread(fd, bytes, count, off_t(offset));
        if (n <= 0) {
            return false;
        }
        bytes += n;
        count -= std::size_t(n);
        offset += uint64_t(n);
    }
    return true;
}

bool writeAt(int fd, const void* source, std::size_t count, uint64_t offset) {
    const auto* bytes = static_cast<const uint8_t*>(source);
    while (count > 0) {
        const ssize_t n = pwrite(fd, bytes, count, off_t(offset));
        if (n <= 0) {
            return false;
        }
        bytes += n;
        count -= std::size_t(n);
        offset += uint64_t(n);
    }
    return true;
}

}  // namespace

bool StoreEntry::matches(const std::string& storedName) const {
    return storedName.size() < kStoreNameSize &&
           std::memcmp(name, storedName.data(), storedName.size()) == 0;
}

StoreFile::~StoreFile() {
    if (fd_ >= 0) {
        close(fd_);  // also gives up the lock
    }
}

bool StoreFile::open(const std::string& path, StoreAccess access) {
    const int flags = access == StoreAccess::Read ? O_RDONLY : O_RDWR | O_CREAT;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        return false;
    }
    struct stat info {};
    const bool usable = (access == StoreAccess::Read || flock(fd_, LOCK_EX) == 0) &&
                        fstat(fd_, &info) == 0 && S_ISREG(info.st_mode);
    if (!usable) {
        close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = uint64_t(info.st_size);
    return true;
}

std::optional<StoreEntry> StoreFile::entryAt(uint64_t offset) const {
    if (fd_ < 0 || offset > size_ || size_ - offset < kStoreHeadSize) {
        return std::nullopt;
    }
    uint8_t head[kStoreHeadSize];
    if (!readAt(fd_, head, sizeof head, offset)) {
        return std::nullopt;
    }
    StoreEntry entry;
    std::memcpy(entry.name, head, kStoreNameSize);
    entry.size = loadLE32(head + kStoreNameSize);
    entry.dataOffset = offset + kStoreHeadSize;
    if (entry.size > size_ - entry.dataOffset) {
        return std::nullopt;
    }
    return entry;
}

bool StoreFile::copyData(const StoreEntry& entry, ByteSink& sink) const {
    std::vector<uint8_t> chunk(std::min<std::size_t>(entry.size, 1 << 16));
    for (uint64_t done = 0; done < entry.size;) {
        const std::size_t step = std::size_t(std::min<uint64_t>(chunk.size(), entry.size - done));
        if (!readAt(fd_, chunk.data(), step, entry.dataOffset + done) ||
            !sink.write(chunk.data(), step)) {
            return false;
        }
        done += step;
    }
    return true;
}

std::size_t StoreFile::readData(const StoreEntry& entry, uint64_t position, void* destination,
                                std::size_t count) const {
    if (position >= entry.size) {
        return 0;
    }
    const std::size_t n = std::size_t(std::min<uint64_t>(count, entry.size - position));
    return readAt(fd_, destination, n, entry.dataOffset + position) ? n : 0;
}

std::size_t StoreEntrySource::read(void* destination, std::size_t count) {
    const std::size_t n = store_.readData(entry_, position_, destination, count);
    position_ += n;
    return n;
}

bool StoreFile::append(const std::string& storedName, std::span<const uint8_t> data) {
    if (fd_ < 0 || storedName.size() >= kStoreNameSize || data.size() > UINT32_MAX) {
        return false;
    }
    uint64_t wholeEnd = 0;
    int counted = 0;
    while (const auto entry = entryAt(wholeEnd)) {
        if (counted++ < kStoreScanLimit && entry->matches(storedName)) {
            return true;
        }
        wholeEnd = entry->end();
    }
    if (wholeEnd < size_ && ftruncate(fd_, off_t(wholeEnd)) != 0) {
        return false;
    }
    size_ = wholeEnd;
    uint8_t head[kStoreHeadSize] = {};
    std::memcpy(head, storedName.data(), storedName.size());
    storeLE32(head + kStoreNameSize, uint32_t(data.size()));
    const bool written = writeAt(fd_, head, sizeof head, wholeEnd) &&
                         writeAt(fd_, data.data(), data.size(), wholeEnd + kStoreHeadSize);
    if (!written) {
        (void)!ftruncate(fd_, off_t(wholeEnd));
        return false;
    }
    size_ = wholeEnd + kStoreHeadSize + data.size();
    return true;
}

}  // namespace dw
