#include <immintrin.h>

#include <cstdint>

#include "canvas/byte_fraction.h"
#include "filters/colour_runs.h"
#include "filters/luma.h"

namespace dw {
namespace {

// Eight cells are 96 bytes: three 32-byte vectors. Cell i's first dword (red, green, blue,
// paint) is dword 3 i of the 24.
struct EightCells {
    __m256i part[3];
};

EightCells loadEight(const CanvasCell* cells) {
    const auto* p = reinterpret_cast<const __m256i*>(cells);
    return {{_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1), _mm256_loadu_si256(p + 2)}};
}

// The painting is far larger than the caches: stores that bypass them spare reading the
// target's lines in first.
void streamEight(CanvasCell* cells, const EightCells& e) {
    auto* p = reinterpret_cast<__m256i*>(cells);
    for (int i = 0; i < 3; ++i) {
        _mm256_stream_si256(p + i, e.part[i]);
    }
}

// The first dwords of the eight cells, in cell order.
__m256i coloursOf(const EightCells& e) {
    const __m256i order = _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5);
    const __m256i ab = _mm256_blend_epi32(_mm256_permutevar8x32_epi32(e.part[0], order),
                                          _mm256_permutevar8x32_epi32(e.part[1], order), 0x38);
    return _mm256_blend_epi32(ab, _mm256_permutevar8x32_epi32(e.part[2], order), 0xC0);
}

// The inverse of coloursOf: the eight first dwords put back, the rest of each cell kept.
EightCells withColours(const EightCells& e, __m256i colours) {
    // Cells 0, 1, 2 go to dwords 0, 3, 6 of the first part; 3, 4, 5 to 1, 4, 7 of the second;
    // 6, 7 to 2, 5 of the third.
    const __m256i first =
        _mm256_permutevar8x32_epi32(colours, _mm256_setr_epi32(0, 0, 0, 1, 0, 0, 2, 0));
    const __m256i second =
        _mm256_permutevar8x32_epi32(colours, _mm256_setr_epi32(0, 3, 0, 0, 4, 0, 0, 5));
    const __m256i third =
        _mm256_permutevar8x32_epi32(colours, _mm256_setr_epi32(0, 0, 6, 0, 0, 7, 0, 0));
    return {{_mm256_blend_epi32(e.part[0], first, 0x49),
             _mm256_blend_epi32(e.part[1], second, 0x92),
             _mm256_blend_epi32(e.part[2], third, 0x24)}};
}

// blendByte lane by lane: the target, or one below it when it falls to a value above 0.
__m256i blendBytes(__m256i current, __m256i target) {
    const __m256i falls = _mm256_andnot_si256(_mm256_cmpeq_epi32(target, _mm256_setzero_si256()),
                                              _mm256_cmpgt_epi32(current, target));
    return _mm256_add_epi32(target, falls);
}

// The luma weights are floats of at most 24 significant bits, all multiples of 2^-27, so the
// double sum L of three byte products is exact: an integer count of 2^-27 below 2^35. Each
// weight is split at bit 11 so that both partial sums fit 32-bit lanes.
struct LumaWeight {
    __m256i high;
    __m256i low;
};

constexpr int kLumaShift = 27;
constexpr int kLumaSplit = 11;

LumaWeight lumaWeight(float weight) {
    const auto scaled = int32_t(double(weight) * double(1 << kLumaShift));
    return {_mm256_set1_epi32(scaled >> kLumaSplit),
            _mm256_set1_epi32(scaled & ((1 << kLumaSplit) - 1))};
}

// trunc(L) from the partial sums: (high x 2^11 + low) >> 27, without the 64-bit sum.
__m256i lumaOf(__m256i r, __m256i g, __m256i b, const LumaWeight& green, const LumaWeight& red,
               const LumaWeight& blue) {
    const __m256i high = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(g, green.high), _mm256_mullo_epi32(r, red.high)),
        _mm256_mullo_epi32(b, blue.high));
    const __m256i low = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(g, green.low), _mm256_mullo_epi32(r, red.low)),
        _mm256_mullo_epi32(b, blue.low));
    return _mm256_srli_epi32(_mm256_add_epi32(high, _mm256_srli_epi32(low, kLumaSplit)),
                             kLumaShift - kLumaSplit);
}

// k squared is exact in a double (24 significant bits twice), and so are x (k y) and v k for
// bytes x, y, v: the cell by cell (x (y k)) (v k) is the real x y v k^2 rounded once, which
// is what the product of the integer x y v (below 2^24) with k^2 gives.
constexpr double kSquaredFraction = double(kByteFraction) * double(kByteFraction);

// trunc(xy v k^2) lane by lane.
__m256i scaledProduct(__m256i xy, __m256i v, __m256d squaredFraction) {
    const __m256i n = _mm256_mullo_epi32(xy, v);
    const __m256d low =
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(n)), squaredFraction);
    const __m256d high =
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(n, 1)), squaredFraction);
    return _mm256_set_m128i(_mm256_cvttpd_epi32(high), _mm256_cvttpd_epi32(low));
}

}  // namespace

std::size_t invertColourRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count) {
    // Per colour byte c: 255 - c, one less when that falls to a value above 0 (c from 128 to
    // 254, which read as signed bytes lie below -1).
    alignas(32) static const uint8_t kColourBytes[96] = {
        255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const __m256i ones = _mm256_set1_epi8(-1);
    const __m256i* masks = reinterpret_cast<const __m256i*>(kColourBytes);
    const std::size_t done = count / 8 * 8;
    const auto* source = reinterpret_cast<const __m256i*>(from);
    auto* target = reinterpret_cast<__m256i*>(to);
    for (std::size_t i = 0; i < done / 8 * 3; ++i) {
        const __m256i c = _mm256_loadu_si256(source + i);
        const __m256i inverted =
            _mm256_add_epi8(_mm256_xor_si256(c, ones), _mm256_cmpgt_epi8(ones, c));
        const __m256i mask = _mm256_load_si256(masks + i % 3);
        _mm256_stream_si256(target + i, _mm256_blendv_epi8(c, inverted, mask));
    }
    _mm_sfence();
    return done;
}

std::size_t aquaRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count) {
    const __m256i byteMask = _mm256_set1_epi32(0xFF);
    const __m256i most = _mm256_set1_epi32(255);
    const __m256i leastBlue = _mm256_set1_epi32(kAquaMinimumBlue);
    const __m256d squaredFraction = _mm256_set1_pd(kSquaredFraction);
    const LumaWeight green = lumaWeight(kLumaGreen);
    const LumaWeight red = lumaWeight(kLumaRed);
    const LumaWeight blue = lumaWeight(kLumaBlue);
    const std::size_t done = count / 8 * 8;
    for (std::size_t i = 0; i < done; i += 8) {
        const EightCells e = loadEight(from + i);
        const __m256i colours = coloursOf(e);
        const __m256i r = _mm256_and_si256(colours, byteMask);
        const __m256i g = _mm256_and_si256(_mm256_srli_epi32(colours, 8), byteMask);
        const __m256i b = _mm256_and_si256(_mm256_srli_epi32(colours, 16), byteMask);
        const __m256i p = _mm256_srli_epi32(colours, 24);
        const __m256i v = _mm256_min_epi32(lumaOf(r, g, b, green, red, blue), most);
        const __m256i newRed = scaledProduct(_mm256_mullo_epi32(r, p), v, squaredFraction);
        const __m256i newGreen = scaledProduct(_mm256_mullo_epi32(g, newRed), v, squaredFraction);
        const __m256i newBlue = _mm256_max_epi32(
            scaledProduct(_mm256_mullo_epi32(b, b), v, squaredFraction), leastBlue);
        const __m256i result = _mm256_or_si256(
            _mm256_or_si256(blendBytes(r, newRed), _mm256_slli_epi32(blendBytes(g, newGreen), 8)),
            _mm256_or_si256(_mm256_slli_epi32(blendBytes(b, newBlue), 16),
                            _mm256_andnot_si256(_mm256_set1_epi32(0xFFFFFF), colours)));
        streamEight(to + i, withColours(e, result));
    }
    _mm_sfence();
    return done;
}

}  // namespace dw
