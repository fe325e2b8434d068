#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "files/byte_stream.h"

// The block encoder as it was before it walked all planes at once in parallel: the files the
// program writes must not change by one byte.
namespace dw::test::earlier {

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

// Exponents beyond this give a step far above 255, which is all the same to the codec.
constexpr uint32_t kMaxExponent = 40;

inline uint64_t stepFor(uint32_t quality) {
    return uint64_t(1) << std::clamp<uint32_t>(quality, 1, kMaxExponent);
}

struct PaddedSize {
    uint32_t blockColumns;
    uint32_t blockRows;
};

// One block column and row more than the picture needs, even when it is a multiple of 4.
inline PaddedSize paddedSize(uint32_t width, uint32_t height) {
    return {width / 4 + 1, height / 4 + 1};
}

// Offset width for a block, from its largest deviation from the mean.
inline int codeFor(uint64_t step, int maxDev, int avgDev) {
    auto lowered = [&](int limit) {
        const int d = maxDev - avgDev;
        return d < limit ? maxDev - d / 2 : maxDev;
    };
    auto widthOf = [](int v, int firstCode, int firstLimit) {
        // firstCode covers values below firstLimit * 2; each further code doubles the range.
        int code = firstCode;
        int limit = firstLimit * 2;
        while (v >= limit) {
            ++code;
            limit *= 2;
        }
        return code;
    };
    switch (step) {
        case 2:
            return maxDev < 2 ? 0 : std::min(widthOf(maxDev, 2, 2), 7);
        case 4: {
            const int v = lowered(4);
            return v < 4 ? 0 : std::min(widthOf(v, 2, 4), 7);
        }
        case 8: {
            const int v = lowered(5);
            return v < 2 ? 0 : (v < 8 ? 1 : std::min(widthOf(v, 2, 8), 6));
        }
        case 16: {
            const int v = lowered(4);
            return v < 4 ? 0 : (v < 16 ? 1 : std::min(widthOf(v, 2, 16), 5));
        }
        case 32:
            return maxDev < 8 ? 0 : std::min(widthOf(maxDev, 1, 8), 5);
        default:
            return 0;
    }
}

// The 16 values of block (bx, by), row by row; cells outside the picture are padding, 0.
inline void gatherBlock(const uint8_t* plane, uint32_t width, uint32_t height, uint32_t bx,
                        uint32_t by, uint8_t values[16]) {
    const uint32_t x0 = bx * 4;
    const uint32_t y0 = by * 4;
    if (x0 + 4 <= width && y0 + 4 <= height) {
        for (int r = 0; r < 4; ++r) {
            const uint8_t* src = plane + std::size_t(y0 + r) * width + x0;
            std::copy(src, src + 4, values + r * 4);
        }
        return;
    }
    for (uint32_t r = 0; r < 4; ++r) {
        for (uint32_t c = 0; c < 4; ++c) {
            const uint32_t x = x0 + c;
            const uint32_t y = y0 + r;
            values[r * 4 + c] = (x < width && y < height) ? plane[std::size_t(y) * width + x] : 0;
        }
    }
}

struct BlockHead {
    uint8_t code;
    uint8_t value;  // mean of a flat block, base of a coded one
};

inline BlockHead headFor(const uint8_t values[16], uint64_t step) {
    int sum = 0;
    for (int i = 0; i < 16; ++i) {
        sum += values[i];
    }
    const int mean = sum / 16;
    int maxDev = 0;
    int devSum = 0;
    for (int i = 0; i < 16; ++i) {
        const int dev = std::abs(values[i] - mean);
        maxDev = std::max(maxDev, dev);
        devSum += dev;
    }
    const int code = codeFor(step, maxDev, devSum / 16);
    if (code == 0) {
        return {0, uint8_t(mean)};
    }
    return {uint8_t(code), uint8_t(std::clamp(mean - maxDev, 0, 255))};
}

inline bool writeCompressed2(ByteSink& sink, const uint8_t* plane, uint32_t width, uint32_t height,
                             uint32_t quality) {
    const uint64_t step = stepFor(quality);
    const PaddedSize padded = paddedSize(width, height);
    // First pass: every block's head, which also gives the byte count to put in front.
    std::vector<BlockHead> heads(std::size_t(padded.blockColumns) * padded.blockRows);
    uint64_t totalBits = 0;
    uint8_t values[16];
    for (uint32_t bx = 0, n = 0; bx < padded.blockColumns; ++bx) {
        for (uint32_t by = 0; by < padded.blockRows; ++by, ++n) {
            gatherBlock(plane, width, height, bx, by, values);
            heads[n] = headFor(values, step);
            totalBits += 12 + 16u * heads[n].code;
        }
    }
    if (!writeU32(sink, uint32_t((totalBits + 7) / 8))) {
        return false;
    }
    BitWriter bits(sink);
    for (uint32_t bx = 0, n = 0; bx < padded.blockColumns; ++bx) {
        for (uint32_t by = 0; by < padded.blockRows; ++by, ++n) {
            const BlockHead head = heads[n];
            bits.write(uint32_t(head.code) << 8 | head.value, 12);
            if (head.code == 0) {
                continue;
            }
            gatherBlock(plane, width, height, bx, by, values);
            const uint64_t largest = (uint64_t(1) << head.code) - 1;
            for (int i = 0; i < 16; ++i) {
                const uint64_t offset =
                    std::min<uint64_t>((values[i] - head.value) / step, largest);
                bits.write(uint32_t(offset), head.code);
            }
        }
    }
    return bits.finish();
}

}  // namespace dw::test::earlier
