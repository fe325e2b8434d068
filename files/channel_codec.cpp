#include "files/channel_codec.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "files/bit_writer.h"
#include "platform/message_box.h"

namespace dw {
namespace {

// Exponents beyond this give a step far above 255, which is all the same to the codec.
constexpr uint32_t kMaxExponent = 40;

uint64_t stepFor(uint32_t quality) {
    return uint64_t(1) << std::clamp<uint32_t>(quality, 1, kMaxExponent);
}

struct PaddedSize {
    uint32_t blockColumns;
    uint32_t blockRows;
};

// One block column and row more than the picture needs, even when it is a multiple of 4.
PaddedSize paddedSize(uint32_t width, uint32_t height) {
    return {width / 4 + 1, height / 4 + 1};
}

// Offset width for a block, from its largest deviation from the mean.
int codeFor(uint64_t step, int maxDev, int avgDev) {
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
void gatherBlock(const uint8_t* plane, uint32_t width, uint32_t height, uint32_t bx, uint32_t by,
                 uint8_t values[16]) {
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

BlockHead headFor(const uint8_t values[16], uint64_t step) {
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

}  // namespace

bool WriteCompressed2(ByteSink& sink, const uint8_t* plane, uint32_t width, uint32_t height,
                      uint32_t quality) {
    if (!plane) {
        platform::showMessage("WriteCompressed2: imageData==NULL", "Error");
        return false;
    }
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

StreamState ReadCompressed2(ByteSource& source, uint8_t* plane, uint32_t width, uint32_t height,
                            uint32_t quality) {
    uint32_t byteCount = 0;
    if (!readU32(source, byteCount)) {
        return StreamState::SourceEnded;
    }
    const uint64_t step = stepFor(quality);
    const uint64_t bias = step / 2 - 1;
    const PaddedSize padded = paddedSize(width, height);
    BitReader bits(source, byteCount);
    uint8_t block[16];
    for (uint32_t bx = 0; bx < padded.blockColumns; ++bx) {
        for (uint32_t by = 0; by < padded.blockRows; ++by) {
            const uint32_t head = bits.read(12);
            const int code = int(head >> 8);
            const auto value = uint8_t(head & 0xFF);
            if (code == 0) {
                std::fill(block, block + 16, value);
            } else {
                for (uint8_t& v : block) {
                    v = uint8_t(std::min<uint64_t>(bits.read(code) * step + value + bias, 255));
                }
            }
            // Padding cells are decoded and dropped.
            const uint32_t x0 = bx * 4;
            const uint32_t y0 = by * 4;
            if (x0 >= width || y0 >= height) {
                continue;
            }
            const uint32_t columns = std::min<uint32_t>(4, width - x0);
            const uint32_t rows = std::min<uint32_t>(4, height - y0);
            for (uint32_t r = 0; r < rows; ++r) {
                std::copy(block + r * 4, block + r * 4 + columns,
                          plane + std::size_t(y0 + r) * width + x0);
            }
        }
    }
    const bool shortStream = bits.bitsRead() > uint64_t(byteCount) * 8;
    if (bits.sourceEnded() || !source.skip(bits.unread())) {
        return StreamState::SourceEnded;
    }
    return shortStream ? StreamState::ShortStream : StreamState::Complete;
}

}  // namespace dw
