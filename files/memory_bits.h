#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace dw {

// The codec's bit order (most significant first, the last byte's unused low bits 0) into a
// growing block of memory, so that a stream can be built before its byte count is known.
class MemoryBitWriter {
  public:
    // Room for capacityBits; writing more is not allowed.
    explicit MemoryBitWriter(uint64_t capacityBits) : bytes_(std::size_t(capacityBits / 8 + 8)) {}

    // n is 1..32.
    void write(uint32_t value, int n) {
        accumulator_ = (accumulator_ << n) | (value & ((uint64_t(1) << n) - 1));
        pending_ += n;
        if (pending_ >= 32) {
            pending_ -= 32;
            const auto word = uint32_t(accumulator_ >> pending_);
            uint8_t* out = bytes_.data() + (bits_ >> 3);
            out[0] = uint8_t(word >> 24);
            out[1] = uint8_t(word >> 16);
            out[2] = uint8_t(word >> 8);
            out[3] = uint8_t(word);
            bits_ += 32;
        }
    }

    // The bytes written, the last one's unused low bits 0.
    std::vector<uint8_t> finish() {
        uint8_t* out = bytes_.data() + (bits_ >> 3);
        for (int left = pending_; left > 0; left -= 8) {
            *out++ = uint8_t(left >= 8 ? accumulator_ >> (left - 8) : accumulator_ << (8 - left));
        }
        bits_ += uint64_t(pending_);
        pending_ = 0;
        bytes_.resize(std::size_t((bits_ + 7) / 8));
        return std::move(bytes_);
    }
    uint64_t bits() const { return bits_ + uint64_t(pending_); }

  private:
    std::vector<uint8_t> bytes_;
    uint64_t accumulator_ = 0;
    int pending_ = 0;    // bits in the accumulator not yet stored, below 32
    uint64_t bits_ = 0;  // bits stored
};

// Reads the codec's bit order from memory; bits beyond the end read as 0.
class MemoryBitReader {
  public:
    MemoryBitReader(const uint8_t* data, std::size_t size, uint64_t position = 0)
        : data_(data), size_(size), position_(position) {}

    // n is 1..32.
    uint32_t read(int n) {
        const std::size_t byte = std::size_t(position_ >> 3);
        uint64_t window = 0;
        if (byte + 8 <= size_) {
            std::memcpy(&window, data_ + byte, 8);
            if constexpr (std::endian::native == std::endian::little) {
                window = __builtin_bswap64(window);
            }
        } else {
            for (std::size_t i = 0; i < 8; ++i) {
                window = window << 8 | (byte + i < size_ ? data_[byte + i] : 0);
            }
        }
        const int skip = int(position_ & 7);
        position_ += uint64_t(n);
        return uint32_t((window << skip) >> (64 - n));
    }

    void skip(uint64_t bits) { position_ += bits; }
    uint64_t position() const { return position_; }

  private:
    const uint8_t* data_;
    std::size_t size_;
    uint64_t position_;
};

}  // namespace dw
