#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "files/byte_stream.h"

namespace dw {

// Packs fields most significant bit first, filling each byte from 0x80 down, and hands full
// chunks to a sink. The unused low bits of the last byte are 0.
class BitWriter {
  public:
    explicit BitWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(kChunk); }

    // n is 1..32.
    void write(uint32_t value, int n) {
        accumulator_ = (accumulator_ << n) | (value & ((uint64_t(1) << n) - 1));
        pending_ += n;
        while (pending_ >= 8) {
            pending_ -= 8;
            buffer_.push_back(uint8_t(accumulator_ >> pending_));
        }
        if (buffer_.size() >= kChunk) {
            drain();
        }
    }

    // Writes out the partly filled last byte and everything buffered; false if the sink failed.
    bool finish() {
        if (pending_ > 0) {
            buffer_.push_back(uint8_t(accumulator_ << (8 - pending_)));
            pending_ = 0;
        }
        drain();
        return ok_;
    }

  private:
    static constexpr std::size_t kChunk = 1 << 16;

    void drain() {
        if (!buffer_.empty()) {
            ok_ = sink_.write(buffer_.data(), buffer_.size()) && ok_;
            buffer_.clear();
        }
    }

    ByteSink& sink_;
    std::vector<uint8_t> buffer_;
    uint64_t accumulator_ = 0;
    int pending_ = 0;
    bool ok_ = true;
};

// Unpacks fields written by BitWriter from at most `limit` bytes of a source. Bits missing
// because the stream or the source ends early read as 0.
class BitReader {
  public:
    BitReader(ByteSource& source, uint64_t limit) : source_(source), remaining_(limit) {
        chunk_.resize(kChunk);
    }

    // n is 1..32.
    uint32_t read(int n) {
        if (count_ < n) {
            refill();
        }
        const auto value = uint32_t(accumulator_ >> (64 - n));
        accumulator_ <<= n;
        count_ -= n;
        bitsRead_ += uint64_t(n);
        return value;
    }

    // Bytes of the stream that have not been pulled from the source.
    uint64_t unread() const { return remaining_; }
    bool sourceEnded() const { return sourceEnded_; }
    uint64_t bitsRead() const { return bitsRead_; }

  private:
    static constexpr std::size_t kChunk = 1 << 16;

    void refill() {
        while (count_ <= 56) {
            if (next_ == filled_) {
                fetch();
            }
            const uint64_t byte = next_ < filled_ ? chunk_[next_++] : 0;
            accumulator_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    void fetch() {
        next_ = filled_ = 0;
        if (remaining_ == 0) {
            return;
        }
        const std::size_t want = std::size_t(std::min<uint64_t>(remaining_, kChunk));
        filled_ = source_.read(chunk_.data(), want);
        remaining_ -= filled_;
        if (filled_ < want) {
            sourceEnded_ = true;
            remaining_ = 0;
        }
    }

    ByteSource& source_;
    uint64_t remaining_;
    std::vector<uint8_t> chunk_;
    std::size_t next_ = 0;
    std::size_t filled_ = 0;
    uint64_t accumulator_ = 0;
    int count_ = 0;
    uint64_t bitsRead_ = 0;
    bool sourceEnded_ = false;
};

}  // namespace dw
