#include "files/channel_codec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <tbb/parallel_for.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "files/byte_stream.h"
#include "files/memory_bits.h"
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

struct BlockHead {
    uint8_t code;
    uint8_t value;  // mean of a flat block, base of a coded one
};

// The mean of a block, its largest and its summed deviation from the mean.
struct Deviation {
    int mean;
    int largest;
    int sum;
};

Deviation deviationOf(const uint8_t values[16]) {
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
    const __m128i zero = _mm_setzero_si128();
    auto total = [&](__m128i bytes) {
        const __m128i sums = _mm_sad_epu8(bytes, zero);
        return _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    };
    const int mean = total(v) / 16;
    const __m128i m = _mm_set1_epi8(char(mean));
    const __m128i dev = _mm_or_si128(_mm_subs_epu8(v, m), _mm_subs_epu8(m, v));
    __m128i largest = _mm_max_epu8(dev, _mm_srli_si128(dev, 8));
    largest = _mm_max_epu8(largest, _mm_srli_si128(largest, 4));
    largest = _mm_max_epu8(largest, _mm_srli_si128(largest, 2));
    largest = _mm_max_epu8(largest, _mm_srli_si128(largest, 1));
    return {mean, _mm_cvtsi128_si32(largest) & 0xFF, total(dev)};
#else
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
    return {mean, maxDev, devSum};
#endif
}

BlockHead headFor(const uint8_t values[16], uint64_t step) {
    const Deviation d = deviationOf(values);
    const int code = codeFor(step, d.largest, d.sum / 16);
    if (code == 0) {
        return {0, uint8_t(d.mean)};
    }
    return {uint8_t(code), uint8_t(std::clamp(d.mean - d.largest, 0, 255))};
}

// Planes interleaved in records: byte `plane` of record i is that plane's value of pixel i.
template <class Byte>
struct RecordsOf {
    Byte* first;
    std::size_t size;
    int planes;
    uint32_t width;
    uint32_t height;
};
using Records = RecordsOf<const uint8_t>;
using RecordsToFill = RecordsOf<uint8_t>;

constexpr int kMostPlanes = 8;

#if defined(__SSE2__)
// The 16 values of each of five planes held in 12-byte records (the painting's cells), for a
// block wholly inside the picture: each row's four records are picked apart dword by dword and
// the four rows then transposed, with no byte stored on its own.
void gatherFiveOfTwelve(const uint8_t* first, std::size_t rowBytes, uint8_t values[][16]) {
    __m128i colours[4];  // per row, planes 0..3 of its four records, plane by plane
    __m128i glosses[4];  // per row, plane 4 of its four records in the low byte of a dword
    for (std::size_t r = 0; r < 4; ++r) {
        const auto* row = reinterpret_cast<const float*>(first + r * rowBytes);
        const __m128 a = _mm_loadu_ps(row);
        const __m128 b = _mm_loadu_ps(row + 4);
        const __m128 c = _mm_loadu_ps(row + 8);
        // Record k starts at dword 3k: planes 0..3 in it, plane 4 in the dword after.
        const __m128 b2c1 = _mm_shuffle_ps(b, c, _MM_SHUFFLE(1, 1, 2, 2));
        const __m128 a1b0 = _mm_shuffle_ps(a, b, _MM_SHUFFLE(0, 0, 1, 1));
        const __m128 b3c2 = _mm_shuffle_ps(b, c, _MM_SHUFFLE(2, 2, 3, 3));
        __m128i x = _mm_castps_si128(_mm_shuffle_ps(a, b2c1, _MM_SHUFFLE(2, 0, 3, 0)));
        glosses[r] = _mm_castps_si128(_mm_shuffle_ps(a1b0, b3c2, _MM_SHUFFLE(2, 0, 2, 0)));
        x = _mm_unpacklo_epi8(x, _mm_srli_si128(x, 8));
        colours[r] = _mm_unpacklo_epi8(x, _mm_srli_si128(x, 8));
    }
    const __m128i p01Top = _mm_unpacklo_epi32(colours[0], colours[1]);
    const __m128i p01Bottom = _mm_unpacklo_epi32(colours[2], colours[3]);
    const __m128i p23Top = _mm_unpackhi_epi32(colours[0], colours[1]);
    const __m128i p23Bottom = _mm_unpackhi_epi32(colours[2], colours[3]);
    const auto store = [](uint8_t* to, __m128i v) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v);
    };
    store(values[0], _mm_unpacklo_epi64(p01Top, p01Bottom));
    store(values[1], _mm_unpackhi_epi64(p01Top, p01Bottom));
    store(values[2], _mm_unpacklo_epi64(p23Top, p23Bottom));
    store(values[3], _mm_unpackhi_epi64(p23Top, p23Bottom));
    const __m128i low = _mm_set1_epi32(0xFF);
    const __m128i top =
        _mm_packs_epi32(_mm_and_si128(glosses[0], low), _mm_and_si128(glosses[1], low));
    const __m128i bottom =
        _mm_packs_epi32(_mm_and_si128(glosses[2], low), _mm_and_si128(glosses[3], low));
    store(values[4], _mm_packus_epi16(top, bottom));
}
#endif

// The 16 values of block (bx, by) of every plane, row by row; cells outside the picture are
// padding, 0.
template <int kPlanes>
void gatherBlock(const Records& in, uint32_t bx, uint32_t by, uint8_t values[][16]) {
    const int planes = kPlanes > 0 ? kPlanes : in.planes;
    const uint32_t x0 = bx * 4;
    const uint32_t y0 = by * 4;
    const bool inside = x0 + 4 <= in.width && y0 + 4 <= in.height;
#if defined(__SSE2__)
    if (kPlanes == 5 && in.size == 12 && inside) {
        const std::size_t rowBytes = std::size_t(in.width) * 12;
        gatherFiveOfTwelve(in.first + std::size_t(y0) * rowBytes + std::size_t(x0) * 12, rowBytes,
                           values);
        return;
    }
#endif
    for (uint32_t r = 0; r < 4; ++r) {
        const uint32_t y = y0 + r;
        for (uint32_t c = 0; c < 4; ++c) {
            const bool here = inside || (x0 + c < in.width && y < in.height);
            const uint8_t* record =
                here ? in.first + (std::size_t(y) * in.width + x0 + c) * in.size : nullptr;
            for (int p = 0; p < planes; ++p) {
                values[p][r * 4 + c] = here ? record[p] : 0;
            }
        }
    }
}

// A column of blocks steps a whole row of records at a time, too far for the processor to see
// it coming: the rows of a block some blocks further down are asked for ahead.
constexpr uint32_t kPrefetchBlocks = 4;

void prefetchBlock(const Records& in, uint32_t bx, uint32_t by) {
    const uint32_t x0 = bx * 4;
    const uint32_t y0 = by * 4;
    if (x0 >= in.width || y0 + 4 > in.height) {
        return;
    }
    const std::size_t rowBytes = std::size_t(in.width) * in.size;
    const uint8_t* first = in.first + std::size_t(y0) * rowBytes + std::size_t(x0) * in.size;
    const std::size_t last = std::size_t(std::min<uint32_t>(4, in.width - x0)) * in.size - 1;
    for (uint32_t r = 0; r < 4; ++r, first += rowBytes) {
        __builtin_prefetch(first);
        __builtin_prefetch(first + last);
    }
}

// The streams of block columns [bx0, bx1) of every plane, each without its byte count.
struct PartialStreams {
    BitStream planes[kMostPlanes];
};

// The 16 offsets of a block above its base, in steps and at most what `code` bits hold, `code`
// bits each with the first value highest: values 0..7 in `first`, 8..15 in `second`. The
// offset is never negative: the base lies at or below every value.
struct PackedOffsets {
    uint64_t first;
    uint64_t second;
};

PackedOffsets packOffsets(const uint8_t values[16], uint8_t base, int shift, int code) {
    const uint8_t largest = uint8_t((1u << code) - 1);
#if defined(__SSE2__)
    const __m128i above = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(values)),
                                       _mm_set1_epi8(char(base)));
    // A 16-bit shift moves bits of the next byte in: the mask keeps what stays in the byte.
    const __m128i steps = _mm_and_si128(_mm_srl_epi16(above, _mm_cvtsi32_si128(shift)),
                                        _mm_set1_epi8(char(0xFF >> std::min(shift, 8))));
    const __m128i offsets = _mm_min_epu8(steps, _mm_set1_epi8(char(largest)));
    // Join neighbours until each half is one number: the earlier one, in the lower lane, goes
    // to the higher bits.
    const __m128i pairs = _mm_or_si128(
        _mm_sll_epi16(_mm_and_si128(offsets, _mm_set1_epi16(0xFF)), _mm_cvtsi32_si128(code)),
        _mm_srli_epi16(offsets, 8));
    const __m128i fours = _mm_or_si128(
        _mm_sll_epi32(_mm_and_si128(pairs, _mm_set1_epi32(0xFFFF)), _mm_cvtsi32_si128(2 * code)),
        _mm_srli_epi32(pairs, 16));
    const __m128i eights =
        _mm_or_si128(_mm_sll_epi64(_mm_and_si128(fours, _mm_set1_epi64x(0xFFFFFFFF)),
                                   _mm_cvtsi32_si128(4 * code)),
                     _mm_srli_epi64(fours, 32));
    alignas(16) uint64_t halves[2];
    _mm_store_si128(reinterpret_cast<__m128i*>(halves), eights);
    return {halves[0], halves[1]};
#else
    uint64_t halves[2] = {};
    for (int i = 0; i < 16; ++i) {
        const uint64_t offset = uint64_t(values[i] - base) >> shift;
        halves[i / 8] = halves[i / 8] << code | std::min<uint64_t>(offset, largest);
    }
    return {halves[0], halves[1]};
#endif
}

template <int kPlanes>
PartialStreams encodeBlockColumns(const Records& in, uint32_t bx0, uint32_t bx1, uint32_t blockRows,
                                  uint32_t quality) {
    const int planes = kPlanes > 0 ? kPlanes : in.planes;
    const uint64_t step = stepFor(quality);
    const int shift = int(std::clamp<uint32_t>(quality, 1, kMaxExponent));
    // The most a block takes: a 12-bit head and 16 offsets of 7 bits.
    const uint64_t capacity = uint64_t(bx1 - bx0) * blockRows * 124;
    std::vector<MemoryBitWriter> writers;
    for (int p = 0; p < planes; ++p) {
        writers.emplace_back(capacity);
    }
    uint8_t values[kMostPlanes][16];
    for (uint32_t bx = bx0; bx < bx1; ++bx) {
        for (uint32_t by = 0; by < blockRows; ++by) {
            prefetchBlock(in, bx, by + kPrefetchBlocks);
            gatherBlock<kPlanes>(in, bx, by, values);
            for (int p = 0; p < planes; ++p) {
                MemoryBitWriter& bits = writers[std::size_t(p)];
                const BlockHead head = headFor(values[p], step);
                bits.write(uint32_t(head.code) << 8 | head.value, 12);
                if (head.code == 0) {
                    continue;
                }
                const PackedOffsets packed = packOffsets(values[p], head.value, shift, head.code);
                bits.write(packed.first, 8 * head.code);
                bits.write(packed.second, 8 * head.code);
            }
        }
    }
    PartialStreams out;
    for (int p = 0; p < planes; ++p) {
        out.planes[p] = writers[std::size_t(p)].finish();
    }
    return out;
}

// The 16 values of the next block of one plane, row by row.
void decodeBlock(MemoryBitReader& bits, uint64_t step, uint8_t values[16]) {
    const uint32_t head = bits.read(12);
    const int code = int(head >> 8);
    const auto value = uint8_t(head & 0xFF);
    if (code == 0) {
        std::memset(values, value, 16);
        return;
    }
#if defined(__SSE2__)
    if (step == 2 && code <= 7) {
        // Every code the writer uses, at the documents' step: eight offsets come in one read,
        // and twice an offset of at most 7 bits stays below 256, so that a saturating add is
        // min(offset x 2 + base, 255).
        const uint64_t first = bits.readWide(8 * code);
        const uint64_t second = bits.readWide(8 * code);
        const __m128i x = _mm_set_epi64x(int64_t(second), int64_t(first));
        const auto lowBits = [](int n) { return (uint64_t(1) << n) - 1; };
        // Halve each lane until every offset has a byte: the earlier offset, in the higher bits,
        // goes to the lower half.
        const __m128i fours = _mm_or_si128(
            _mm_srl_epi64(x, _mm_cvtsi32_si128(4 * code)),
            _mm_slli_epi64(_mm_and_si128(x, _mm_set1_epi64x(int64_t(lowBits(4 * code)))), 32));
        const __m128i pairs = _mm_or_si128(
            _mm_srl_epi32(fours, _mm_cvtsi32_si128(2 * code)),
            _mm_slli_epi32(_mm_and_si128(fours, _mm_set1_epi32(int32_t(lowBits(2 * code)))), 16));
        const __m128i offsets = _mm_or_si128(
            _mm_srl_epi16(pairs, _mm_cvtsi32_si128(code)),
            _mm_slli_epi16(_mm_and_si128(pairs, _mm_set1_epi16(int16_t(lowBits(code)))), 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(values),
                         _mm_adds_epu8(_mm_add_epi8(offsets, offsets), _mm_set1_epi8(char(value))));
        return;
    }
#endif
    const uint64_t bias = step / 2 - 1;
    for (int i = 0; i < 16; ++i) {
        values[i] = uint8_t(std::min<uint64_t>(bits.read(code) * step + value + bias, 255));
    }
}

#if defined(__SSE2__)
// The way back of gatherFiveOfTwelve: the five planes of a block inside the picture into the
// first five bytes of its 12-byte records, each record's planes 0..3 stored as one word.
void scatterFiveOfTwelve(const uint8_t values[][16], uint8_t* first, std::size_t rowBytes) {
    const auto load = [](const uint8_t* from) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    };
    const __m128i p0 = load(values[0]);
    const __m128i p1 = load(values[1]);
    const __m128i p2 = load(values[2]);
    const __m128i p3 = load(values[3]);
    const __m128i p01Top = _mm_unpacklo_epi32(p0, p1);
    const __m128i p23Top = _mm_unpacklo_epi32(p2, p3);
    const __m128i p01Bottom = _mm_unpackhi_epi32(p0, p1);
    const __m128i p23Bottom = _mm_unpackhi_epi32(p2, p3);
    const __m128i rows[4] = {_mm_unpacklo_epi64(p01Top, p23Top), _mm_unpackhi_epi64(p01Top, p23Top),
                             _mm_unpacklo_epi64(p01Bottom, p23Bottom),
                             _mm_unpackhi_epi64(p01Bottom, p23Bottom)};
    for (std::size_t r = 0; r < 4; ++r) {
        // Plane by plane to record by record: the 4 x 4 byte transpose is its own inverse.
        __m128i x = _mm_unpacklo_epi8(rows[r], _mm_srli_si128(rows[r], 8));
        x = _mm_unpacklo_epi8(x, _mm_srli_si128(x, 8));
        alignas(16) uint8_t records[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(records), x);
        uint8_t* record = first + r * rowBytes;
        for (std::size_t k = 0; k < 4; ++k, record += 12) {
            std::memcpy(record, records + 4 * k, 4);
            record[4] = values[4][r * 4 + k];
        }
    }
}
#endif

// Decodes block columns [bx0, bx1) of every plane into the records, each plane's bits read
// from its own reader.
template <int kPlanes>
void decodeBlockColumns(const RecordsToFill& out, MemoryBitReader* readers, uint32_t bx0,
                        uint32_t bx1, uint32_t blockRows, uint64_t step) {
    const int planes = kPlanes > 0 ? kPlanes : out.planes;
    uint8_t values[kMostPlanes][16];
    for (uint32_t bx = bx0; bx < bx1; ++bx) {
        const uint32_t x0 = bx * 4;
        // Padding cells are decoded and dropped.
        const uint32_t columns = x0 < out.width ? std::min<uint32_t>(4, out.width - x0) : 0;
        for (uint32_t by = 0; by < blockRows; ++by) {
            for (int p = 0; p < planes; ++p) {
                decodeBlock(readers[p], step, values[p]);
            }
            const uint32_t y0 = by * 4;
            const uint32_t rows = y0 < out.height ? std::min<uint32_t>(4, out.height - y0) : 0;
#if defined(__SSE2__)
            if (kPlanes == 5 && out.size == 12 && columns == 4 && rows == 4) {
                const std::size_t rowBytes = std::size_t(out.width) * 12;
                scatterFiveOfTwelve(values,
                                    out.first + std::size_t(y0) * rowBytes + std::size_t(x0) * 12,
                                    rowBytes);
                continue;
            }
#endif
            for (uint32_t r = 0; r < rows; ++r) {
                uint8_t* record = out.first + (std::size_t(y0 + r) * out.width + x0) * out.size;
                for (uint32_t c = 0; c < columns; ++c, record += out.size) {
                    for (int p = 0; p < planes; ++p) {
                        record[p] = values[p][r * 4 + c];
                    }
                }
            }
        }
    }
}

}  // namespace

bool WriteCompressedPlanes(ByteSink& sink, const uint8_t* records, std::size_t recordSize,
                           int planes, uint32_t width, uint32_t height, uint32_t quality) {
    if (!records) {
        platform::showMessage("WriteCompressed2: imageData==NULL", "Error");
        return false;
    }
    const Records in{records, recordSize, std::clamp(planes, 1, kMostPlanes), width, height};
    const PaddedSize padded = paddedSize(width, height);
    // Bands of block columns encoded side by side, then joined in order. A block takes 12 +
    // 16 x code bits, 4 more than a whole byte, so an even number of blocks fills whole bytes
    // and every band but the last ends on a byte boundary.
    constexpr uint32_t kBandColumns = 64;
    static_assert(kBandColumns % 2 == 0);
    const uint32_t bands = (padded.blockColumns + kBandColumns - 1) / kBandColumns;
    std::vector<PartialStreams> parts(bands);
    tbb::parallel_for(uint32_t(0), bands, [&](uint32_t band) {
        const uint32_t bx0 = band * kBandColumns;
        const uint32_t bx1 = std::min(bx0 + kBandColumns, padded.blockColumns);
        // The painting's five planes and a single plane get their loops unrolled.
        parts[band] =
            in.planes == 5   ? encodeBlockColumns<5>(in, bx0, bx1, padded.blockRows, quality)
            : in.planes == 1 ? encodeBlockColumns<1>(in, bx0, bx1, padded.blockRows, quality)
                             : encodeBlockColumns<0>(in, bx0, bx1, padded.blockRows, quality);
    });
    for (int p = 0; p < in.planes; ++p) {
        uint64_t bits = 0;
        for (const PartialStreams& part : parts) {
            bits += part.planes[p].bits;
        }
        if (!writeU32(sink, uint32_t((bits + 7) / 8))) {
            return false;
        }
        for (PartialStreams& part : parts) {
            BitStream& stream = part.planes[p];
            if (stream.size() > 0 && !sink.write(stream.bytes.get(), stream.size())) {
                return false;
            }
            stream = {};
        }
    }
    return true;
}

bool WriteCompressed2(ByteSink& sink, const uint8_t* plane, uint32_t width, uint32_t height,
                      uint32_t quality) {
    return WriteCompressedPlanes(sink, plane, 1, 1, width, height, quality);
}

StreamState ReadCompressedPlanes(ByteSource& source, uint8_t* records, std::size_t recordSize,
                                 int planes, uint32_t width, uint32_t height, uint32_t quality) {
    planes = std::clamp(planes, 1, kMostPlanes);
    const PaddedSize padded = paddedSize(width, height);
    const uint64_t blocks = uint64_t(padded.blockColumns) * padded.blockRows;
    // Bytes past what the largest blocks can take are never read, only skipped.
    const uint64_t useful = (blocks * 124 + 7) / 8;
    BitStream streams[kMostPlanes];
    uint64_t byteCounts[kMostPlanes] = {};
    bool sourceEnded = false;
    for (int p = 0; p < planes && !sourceEnded; ++p) {
        uint32_t byteCount = 0;
        if (!readU32(source, byteCount)) {
            return StreamState::SourceEnded;
        }
        byteCounts[p] = byteCount;
        // A count larger than the data costs no more memory than the data.
        const auto wanted =
            std::size_t(std::min({uint64_t(byteCount), useful, source.available()}));
        BitStream& stream = streams[p];
        stream.bytes = std::make_unique_for_overwrite<uint8_t[]>(wanted);
        const std::size_t got = source.read(stream.bytes.get(), wanted);
        stream.bits = uint64_t(got) * 8;
        sourceEnded = got < wanted || !source.skip(byteCount - wanted);
    }
    // Where each band of block columns starts in each stream, from the blocks' heads alone;
    // the bands are then decoded side by side.
    constexpr uint32_t kBandColumns = 64;
    const uint32_t bands = (padded.blockColumns + kBandColumns - 1) / kBandColumns;
    std::vector<uint64_t> starts(std::size_t(bands + 1) * std::size_t(planes));
    tbb::parallel_for(0, planes, [&](int p) {
        MemoryBitReader bits(streams[p].bytes.get(), streams[p].size());
        for (uint32_t band = 0; band < bands; ++band) {
            starts[std::size_t(band) * std::size_t(planes) + std::size_t(p)] = bits.position();
            const uint32_t bx1 = std::min((band + 1) * kBandColumns, padded.blockColumns);
            for (uint64_t n = uint64_t(bx1 - band * kBandColumns) * padded.blockRows; n > 0; --n) {
                bits.skip(16 * (bits.read(12) >> 8));
            }
        }
        starts[std::size_t(bands) * std::size_t(planes) + std::size_t(p)] = bits.position();
    });
    const RecordsToFill out{records, recordSize, planes, width, height};
    const uint64_t step = stepFor(quality);
    tbb::parallel_for(uint32_t(0), bands, [&](uint32_t band) {
        const uint32_t bx0 = band * kBandColumns;
        const uint32_t bx1 = std::min(bx0 + kBandColumns, padded.blockColumns);
        std::vector<MemoryBitReader> readers;
        for (int p = 0; p < planes; ++p) {
            readers.emplace_back(streams[p].bytes.get(), streams[p].size(),
                                 starts[std::size_t(band) * std::size_t(planes) + std::size_t(p)]);
        }
        if (planes == 5) {
            decodeBlockColumns<5>(out, readers.data(), bx0, bx1, padded.blockRows, step);
        } else {
            decodeBlockColumns<0>(out, readers.data(), bx0, bx1, padded.blockRows, step);
        }
    });
    if (sourceEnded) {
        return StreamState::SourceEnded;
    }
    for (int p = 0; p < planes; ++p) {
        if (starts[std::size_t(bands) * std::size_t(planes) + std::size_t(p)] > byteCounts[p] * 8) {
            return StreamState::ShortStream;
        }
    }
    return StreamState::Complete;
}

StreamState ReadCompressed2(ByteSource& source, uint8_t* plane, uint32_t width, uint32_t height,
                            uint32_t quality) {
    return ReadCompressedPlanes(source, plane, 1, 1, width, height, quality);
}

}  // namespace dw
