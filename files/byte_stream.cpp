#include "files/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace dw {

bool ByteSource::skip(uint64_t count) {
    uint8_t scratch[4096];
    while (count > 0) {
        const std::size_t step = std::size_t(std::min<uint64_t>(count, sizeof scratch));
        if (read(scratch, step) != step) {
            return false;
        }
        count -= step;
    }
    return true;
}

std::size_t MemorySource::read(void* destination, std::size_t count) {
    const std::size_t n = std::min(count, data_.size() - position_);
    if (n > 0) {
        std::memcpy(destination, data_.data() + position_, n);
    }
    position_ += n;
    return n;
}

bool MemorySource::skip(uint64_t count) {
    if (count > data_.size() - position_) {
        position_ = data_.size();
        return false;
    }
    position_ += std::size_t(count);
    return true;
}

bool MemorySink::write(const void* source, std::size_t count) {
    const auto* bytes = static_cast<const uint8_t*>(source);
    bytes_.insert(bytes_.end(), bytes, bytes + count);
    return true;
}

bool readExact(ByteSource& source, void* destination, std::size_t count) {
    return source.read(destination, count) == count;
}

bool readU32(ByteSource& source, uint32_t& value) {
    uint8_t bytes[4];
    if (!readExact(source, bytes, 4)) {
        return false;
    }
    value = loadLE32(bytes);
    return true;
}

bool readI32(ByteSource& source, int32_t& value) {
    uint32_t raw = 0;
    if (!readU32(source, raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
    return true;
}

bool writeU32(ByteSink& sink, uint32_t value) {
    uint8_t bytes[4];
    storeLE32(bytes, value);
    return sink.write(bytes, 4);
}

bool writeI32(ByteSink& sink, int32_t value) {
    return writeU32(sink, static_cast<uint32_t>(value));
}

}  // namespace dw
