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

// blendByte on every byte: the target, or one below it when it falls to a value above 0. A
// byte that keeps its value (paint) is left as it is.
__m256i blendedBytes(__m256i current, __m256i target) {
    const __m256i lands =
        _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(current, target), target),
                        _mm256_cmpeq_epi8(target, _mm256_setzero_si256()));
    return _mm256_add_epi8(target, _mm256_andnot_si256(lands, _mm256_set1_epi8(-1)));
}

// One byte of each colour dword, widened to the dword.
__m256i byteOf(__m256i colours, int byte) {
    const auto b = char(byte);
    const char z = -1;  // a byte of zeros
    return _mm256_shuffle_epi8(
        colours, _mm256_setr_epi8(b, z, z, z, char(b + 4), z, z, z, char(b + 8), z, z, z,
                                  char(b + 12), z, z, z, b, z, z, z, char(b + 4), z, z, z,
                                  char(b + 8), z, z, z, char(b + 12), z, z, z));
}

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

// The colour dwords of four groups of eight cells. Each step of the colour filters waits on
// the one before, so the groups go through every step together and the processor finds work
// in another group meanwhile.
constexpr int kGroups = 4;
struct Groups {
    __m256i group[kGroups];
    __m256i& operator[](int j) { return group[j]; }
    const __m256i& operator[](int j) const { return group[j]; }
};

template <class Step, class... Inputs>
Groups each(Step step, const Inputs&... inputs) {
    Groups out;
#pragma GCC unroll 4
    for (int j = 0; j < kGroups; ++j) {
        out[j] = step(inputs[j]...);
    }
    return out;
}

// The paint byte of each colour dword, in place.
__m256i paintOf(__m256i colours) {
    return _mm256_andnot_si256(_mm256_set1_epi32(0xFFFFFF), colours);
}

// The colour dwords of the targets red, green and blue (dwords of 0..255), with the paint of
// the cells c, blended from the cells' colours.
__m256i blendedTowards(__m256i c, __m256i red, __m256i green, __m256i blue) {
    const __m256i target =
        _mm256_or_si256(_mm256_or_si256(red, _mm256_slli_epi32(green, 8)),
                        _mm256_or_si256(_mm256_slli_epi32(blue, 16), paintOf(c)));
    return blendedBytes(c, target);
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

// Runs colourStep (the colour dwords of four groups of eight cells to their blended ones)
// over the leading multiple of 32 cells of the run, and returns how many it did.
template <class ColourStep>
std::size_t rewriteColours(const CanvasCell* from, CanvasCell* to, std::size_t count,
                           ColourStep colourStep) {
    constexpr std::size_t kCellsPerRound = 8 * kGroups;
    const std::size_t done = count / kCellsPerRound * kCellsPerRound;
    for (std::size_t i = 0; i < done; i += kCellsPerRound) {
        EightCells cells[kGroups];
        Groups colours;
#pragma GCC unroll 4
        for (int j = 0; j < kGroups; ++j) {
            cells[j] = loadEight(from + i + 8 * j);
            colours[j] = coloursOf(cells[j]);
        }
        const Groups blended = colourStep(colours);
#pragma GCC unroll 4
        for (int j = 0; j < kGroups; ++j) {
            streamEight(to + i + 8 * j, withColours(cells[j], blended[j]));
        }
    }
    _mm_sfence();
    return done;
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
