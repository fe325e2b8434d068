#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

namespace dw {

// A stream of bits in whole bytes, the last one's unused low bits 0.
struct BitStream {
    std::unique_ptr<uint8_t[]> bytes;
    uint64_t bits = 0;
    std::size_t size() const { return std::size_t((bits + 7) / 8); }
};

// The codec's bit order (most significant first) into a block of memory, so that a stream can
// be built before its byte count is known.
class MemoryBitWriter {
  public:
    // Room for capacityBits; writing more is not allowed. The room is not cleared: pages never
    // written are never touched.
    explicit MemoryBitWriter(uint64_t capacityBits)
        : bytes_(std::make_unique_for_overwrite<uint8_t[]>(std::size_t(capacityBits / 8 + 8))) {}

    // n is 1..56.
    void write(uint64_t value, int n) {
        accumulator_ = (accumulator_ << n) | (value & ((uint64_t(1) << n) - 1));
        pending_ += n;
        // The whole bytes and the started one go out at once; the started one is written
        // again, with more bits, by the next write. The room left after capacity takes the
        // last store's spare bytes.
        uint64_t word = accumulator_ << (64 - pending_);
        if constexpr (std::endian::native == std::endian::little) {
            word = __builtin_bswap64(word);
        }
        std::memcpy(bytes_.get() + (bits_ >> 3), &word, 8);
        bits_ += uint64_t(pending_ & ~7);
        pending_ &= 7;
    }

    // What was written; the writer is spent.
    BitStream finish() { return {std::move(bytes_), bits_ + uint64_t(pending_)}; }

  private:
    std::unique_ptr<uint8_t[]> bytes_;
    uint64_t accumulator_ = 0;
    int pending_ = 0;    // bits of the started byte, below 8
    uint64_t bits_ = 0;  // bits in whole bytes
};

// Reads the codec's bit order from memory; bits beyond the end read as 0.
class MemoryBitReader {
  public:
    MemoryBitReader(const uint8_t* data, std::size_t size, uint64_t position = 0)
        : data_(data), size_(size), position_(position) {}

    // n is 1..32.
    uint32_t read(int n) { return uint32_t(readWide(n)); }

    // n is 1..56: a window of 64 bits starting at most 7 bits into its first byte holds them.
    uint64_t readWide(int n) {
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
        return (window << skip) >> (64 - n);
    }

    void skip(uint64_t bits) { position_ += bits; }
    uint64_t position() const { return position_; }

  private:
    const uint8_t* data_;
    std::size_t size_;
    uint64_t position_;
};

}  // namespace dw
