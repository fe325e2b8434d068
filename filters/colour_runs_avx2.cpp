#include <immintrin.h>

#include <cstdint>

#include "canvas/byte_fraction.h"
#include "filters/colour_lanes_avx2.h"
#include "filters/colour_runs.h"
#include "filters/luma.h"

namespace dw {
namespace {

using namespace lanes;

// The luma weights are floats of at most 24 significant bits, all multiples of 2^-27, so the
// double sum L of three byte products is exact: an integer count of 2^-27 below 2^35. Each
// weight is split at bit 12 into two halves below 2^15, which multiply red and green as a
// pair of 16-bit words and blue alone, summing in 32-bit lanes.
constexpr int kLumaShift = 27;
constexpr int kLumaSplit = 12;

constexpr int32_t lumaUnits(float weight) {
    return int32_t(double(weight) * double(1 << kLumaShift));
}

// A dword of two 16-bit weights: the first for red, the second for green (or nothing).
__m256i weightPair(int32_t red, int32_t green) {
    return _mm256_set1_epi32(red | (green << 16));
}

// v = trunc(L) from (high x 2^12 + low) >> 27. The weights sum to less than 1, so white's
// 254.99... is the largest L and v needs no clamp at 255.
__m256i lumaOf(__m256i colours) {
    constexpr int32_t red = lumaUnits(kLumaRed);
    constexpr int32_t green = lumaUnits(kLumaGreen);
    constexpr int32_t blue = lumaUnits(kLumaBlue);
    constexpr int32_t lowBits = (1 << kLumaSplit) - 1;
    const char z = -1;
    const __m256i redGreen = _mm256_shuffle_epi8(
        colours, _mm256_setr_epi8(0, z, 1, z, 4, z, 5, z, 8, z, 9, z, 12, z, 13, z, 0, z, 1, z, 4,
                                  z, 5, z, 8, z, 9, z, 12, z, 13, z));
    const __m256i b = byteOf(colours, 2);
    const __m256i high = _mm256_add_epi32(
        _mm256_madd_epi16(redGreen, weightPair(red >> kLumaSplit, green >> kLumaSplit)),
        _mm256_madd_epi16(b, weightPair(blue >> kLumaSplit, 0)));
    const __m256i low =
        _mm256_add_epi32(_mm256_madd_epi16(redGreen, weightPair(red & lowBits, green & lowBits)),
                         _mm256_madd_epi16(b, weightPair(blue & lowBits, 0)));
    return _mm256_srli_epi32(_mm256_add_epi32(high, _mm256_srli_epi32(low, kLumaSplit)),
                             kLumaShift - kLumaSplit);
}

// The cell by cell code takes trunc(x y v k^2) in doubles for bytes x, y, v, which is the
// integer quotient of n = x y v by 65025 for every such n: k^2 lies a hair above 1/65025, too
// little to lift any of these products over the next integer (the tests try them all).
constexpr int32_t kByteSquare = 255 * 255;

// trunc(n / d) lane by lane for n and d exact in floats (d > 0, and t d below 2^24 for the
// answers t), from a float estimate of the quotient that lies far closer than 1/2 to it: its
// nearest integer t is the answer or one above it, and one above exactly when t d exceeds n.
__m256i quotientTrunc(__m256 n, __m256 d, __m256 estimate) {
    const __m256 t = _mm256_round_ps(estimate, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __m256 above = _mm256_cmp_ps(_mm256_mul_ps(t, d), n, _CMP_GT_OQ);
    return _mm256_add_epi32(_mm256_cvttps_epi32(t), _mm256_castps_si256(above));
}

// n / 65025 for n = x y v (below 2^24): the float quotient lies within 3e-5 of the real one.
__m256i productTrunc(__m256i xy, __m256i v) {
    const __m256 n = _mm256_cvtepi32_ps(_mm256_mullo_epi32(xy, v));
    return quotientTrunc(n, _mm256_set1_ps(float(kByteSquare)),
                         _mm256_mul_ps(n, _mm256_set1_ps(1.0f / float(kByteSquare))));
}

// trunc(x / m x p) in doubles lane by lane, as the cell by cell Night computes it.
__m256i nightInDoubles(__m256i x, __m256i m, __m256i p) {
    auto half = [](__m128i x, __m128i m, __m128i p) {
        const __m256d ratio = _mm256_div_pd(_mm256_cvtepi32_pd(x), _mm256_cvtepi32_pd(m));
        return _mm256_cvttpd_epi32(_mm256_mul_pd(ratio, _mm256_cvtepi32_pd(p)));
    };
    return _mm256_set_m128i(
        half(_mm256_extracti128_si256(x, 1), _mm256_extracti128_si256(m, 1),
             _mm256_extracti128_si256(p, 1)),
        half(_mm256_castsi256_si128(x), _mm256_castsi256_si128(m), _mm256_castsi256_si128(p)));
}

// The product of two bytes in dwords (their high words are 0).
__m256i bytesProduct(__m256i x, __m256i y) {
    return _mm256_madd_epi16(x, y);
}

Groups aquaColours(const Groups& colours) {
    const Groups v = each(lumaOf, colours);
    const Groups red = each(
        [](__m256i c, __m256i luma) {
            return productTrunc(bytesProduct(byteOf(c, 0), _mm256_srli_epi32(c, 24)), luma);
        },
        colours, v);
    const Groups blue = each(
        [](__m256i c, __m256i luma) {
            const __m256i b = byteOf(c, 2);
            return _mm256_max_epi32(productTrunc(bytesProduct(b, b), luma),
                                    _mm256_set1_epi32(kAquaMinimumBlue));
        },
        colours, v);
    const Groups green =
        each([](__m256i c, __m256i luma,
                __m256i newRed) { return productTrunc(bytesProduct(byteOf(c, 1), newRed), luma); },
             colours, v, red);
    return each(blendedTowards, colours, red, green, blue);
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
    return rewriteColours(from, to, count, aquaColours);
}

std::size_t solarizeRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count) {
    return rewriteColours(from, to, count, [](const Groups& colours) {
        return each(
            [](__m256i c) {
                const __m256i r = byteOf(c, 0);
                const __m256i g = byteOf(c, 1);
                const __m256i b = byteOf(c, 2);
                // The cell by cell x / m x 255.0 in doubles is 255 x / m for every component x
                // up to m. A black cell divides its zeros by 1 instead.
                const __m256 largest = _mm256_cvtepi32_ps(_mm256_max_epi32(
                    _mm256_max_epi32(r, g), _mm256_max_epi32(b, _mm256_set1_epi32(1))));
                const __m256 scale = _mm256_div_ps(_mm256_set1_ps(255.0f), largest);
                auto solarized = [&](__m256i x) {
                    const __m256 component = _mm256_cvtepi32_ps(x);
                    return quotientTrunc(_mm256_mul_ps(component, _mm256_set1_ps(255.0f)), largest,
                                         _mm256_mul_ps(component, scale));
                };
                return blendedTowards(c, solarized(r), solarized(g), solarized(b));
            },
            colours);
    });
}

std::size_t nightRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count) {
    return rewriteColours(from, to, count, [](const Groups& colours) {
        return each(
            [](__m256i c) {
                const __m256i components[3] = {byteOf(c, 0), byteOf(c, 1), byteOf(c, 2)};
                const __m256i paint = _mm256_srli_epi32(c, 24);
                // A black cell divides its zeros by 1 instead.
                const __m256i largest =
                    _mm256_max_epi32(_mm256_max_epi32(components[0], components[1]),
                                     _mm256_max_epi32(components[2], _mm256_set1_epi32(1)));
                const __m256 divisor = _mm256_cvtepi32_ps(largest);
                const __m256 reciprocal = _mm256_div_ps(_mm256_set1_ps(1.0f), divisor);
                __m256i targets[3];
                __m256i doubtful = _mm256_setzero_si256();
                for (int i = 0; i < 3; ++i) {
                    const __m256i product = bytesProduct(components[i], paint);
                    const __m256 n = _mm256_cvtepi32_ps(product);
                    targets[i] = quotientTrunc(n, divisor, _mm256_mul_ps(n, reciprocal));
                    // The cell by cell x / m x p in doubles gives x p / m, unless that is a whole
                    // number above 0 and x is not m: a rounded x / m may then fall a hair short.
                    const __m256i whole =
                        _mm256_cmpeq_epi32(_mm256_mullo_epi32(targets[i], largest), product);
                    const __m256i inexact =
                        _mm256_andnot_si256(_mm256_cmpeq_epi32(components[i], largest),
                                            _mm256_cmpgt_epi32(targets[i], _mm256_setzero_si256()));
                    doubtful = _mm256_or_si256(doubtful, _mm256_and_si256(whole, inexact));
                }
                if (!_mm256_testz_si256(doubtful, doubtful)) {
                    for (int i = 0; i < 3; ++i) {
                        targets[i] = nightInDoubles(components[i], largest, paint);
                    }
                }
                return blendedTowards(c, targets[0], targets[1], targets[2]);
            },
            colours);
    });
}

std::size_t desaturateRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count) {
    return rewriteColours(from, to, count, [](const Groups& colours) {
        return each(
            [](__m256i c) {
                const __m256i grey = _mm256_mullo_epi32(lumaOf(c), _mm256_set1_epi32(0x010101));
                return blendedBytes(c, _mm256_or_si256(grey, paintOf(c)));
            },
            colours);
    });
}

}  // namespace dw
