#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "files/byte_stream.h"

namespace dw {

// A picture store ("data/ipack", "data/ppack"): no header, no index, only entries appended one
// after the other: a 260-byte NUL-terminated name, a 4-byte little-endian size, the data.
inline constexpr std::size_t kStoreNameSize = 260;
inline constexpr std::size_t kStoreHeadSize = kStoreNameSize + 4;
// A lookup looks at no more entries than this.
inline constexpr int kStoreScanLimit = 9999;
// The stores hold the program's pictures, a few hundred pixels a side: a stored picture that
// declares a side beyond this is damage, refused before anything is decoded or allocated.
inline constexpr uint32_t kMaxStoredPictureSide = 8192;

struct StoreEntry {
    char name[kStoreNameSize] = {};
    uint32_t size = 0;
    uint64_t dataOffset = 0;

    uint64_t end() const { return dataOffset + size; }
    // The lookup rule: every character of the wanted name equals the entry's at the same place,
    // so an entry whose name only begins with it matches as well.
    bool matches(const std::string& storedName) const;
};

enum class StoreAccess { Read, Append };

class StoreFile {
  public:
    StoreFile() = default;
    ~StoreFile();
    StoreFile(const StoreFile&) = delete;
    StoreFile& operator=(const StoreFile&) = delete;

    // Append creates a missing store and holds a lock on it until the object goes, so that two
    // runs filling the same store do not interleave their entries.
    bool open(const std::string& path, StoreAccess access);
    uint64_t size() const { return size_; }

    // The entry whose head starts at offset; nothing at the end of the file and for an entry
    // whose head or data runs past it: such a tail is damage, never read as an entry.
    std::optional<StoreEntry> entryAt(uint64_t offset) const;
    bool copyData(const StoreEntry& entry, ByteSink& sink) const;
    // Up to count bytes of the entry's data from position on; fewer only at its end.
    std::size_t readData(const StoreEntry& entry, uint64_t position, void* destination,
                         std::size_t count) const;

    // Adds an entry after the last whole one, cutting off a damaged tail first, so that a store
    // cut short by a crash or a full disk repairs itself. An entry that another run added in the
    // meantime is not added twice. An append that fails is taken back.
    bool append(const std::string& storedName, std::span<const uint8_t> data);

  private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

// One entry's data as a source of bytes, read straight from the store.
class StoreEntrySource : public ByteSource {
  public:
    StoreEntrySource(const StoreFile& store, const StoreEntry& entry)
        : store_(store), entry_(entry) {}
    std::size_t read(void* destination, std::size_t count) override;
    // A damaged entry's length fields then cannot ask for more memory than the entry holds.
    uint64_t available() const override {
        return entry_.size > position_ ? entry_.size - position_ : 0;
    }

  private:
    const StoreFile& store_;
    const StoreEntry& entry_;
    uint64_t position_ = 0;
};

}  // namespace dw
