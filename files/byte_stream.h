#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dw {

// Where readers take their bytes from: a file, or memory in tests.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to count bytes; fewer only at the end of the data or on an error.
    virtual std::size_t read(void* destination, std::size_t count) = 0;
    // Moves forward by count bytes; false if the data ends first.
    virtual bool skip(uint64_t count);
    // The most bytes that are left to read, for sizing buffers; the largest count when unknown.
    virtual uint64_t available() const { return UINT64_MAX; }
};

// Where writers put their bytes.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when not every byte could be written.
    virtual bool write(const void* source, std::size_t count) = 0;
};

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::span<const uint8_t> data) : data_(data) {}
    std::size_t read(void* destination, std::size_t count) override;
    bool skip(uint64_t count) override;
    uint64_t available() const override { return data_.size() - position_; }
    std::size_t position() const { return position_; }

  private:
    std::span<const uint8_t> data_;
    std::size_t position_ = 0;
};

class MemorySink : public ByteSink {
  public:
    bool write(const void* source, std::size_t count) override;
    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

bool readExact(ByteSource& source, void* destination, std::size_t count);
bool readU32(ByteSource& source, uint32_t& value);
bool readI32(ByteSource& source, int32_t& value);
bool writeU32(ByteSink& sink, uint32_t value);
bool writeI32(ByteSink& sink, int32_t value);

inline uint32_t loadLE32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void storeLE32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

inline void storeLE16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

}  // namespace dw
