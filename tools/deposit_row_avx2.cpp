#include <immintrin.h>

#include <cstring>

#include "tools/deposit_row.h"

namespace dw {
namespace {

// Eight cells split by field, cells 0 to 3 in the low half of each vector and 4 to 7 in the
// high half, so that every shuffle stays within its half.
struct Fields {
    __m256i bytes;   // red, green, blue, paint
    __m256i gloss;   // the word holding the gloss
    __m256i height;  // the height's bits
};

// The three words of cells 0 to 3 are words 0 to 11 of a row of cells, those of cells 4 to 7
// words 12 to 23; vector v holds words 4v to 4v + 3 of both in its halves.
__m256i loadHalves(const CanvasCell* cells, int v) {
    const __m128i* words = reinterpret_cast<const __m128i*>(cells);
    return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(words + v)),
                                   _mm_loadu_si128(words + 3 + v), 1);
}

void storeHalves(CanvasCell* cells, int v, __m256i words) {
    __m128i* out = reinterpret_cast<__m128i*>(cells);
    _mm_storeu_si128(out + v, _mm256_castsi256_si128(words));
    _mm_storeu_si128(out + 3 + v, _mm256_extracti128_si256(words, 1));
}

// Word f of cell n is word 3n + f of a half: a blend gathers the four cells' words, out of
// order, and a shuffle puts them in order; the store undoes both.
Fields loadFields(const CanvasCell* cells) {
    const __m256i a = loadHalves(cells, 0);
    const __m256i b = loadHalves(cells, 1);
    const __m256i c = loadHalves(cells, 2);
    const __m256i bytes = _mm256_blend_epi32(_mm256_blend_epi32(a, b, 0b01000100), c, 0b00100010);
    const __m256i gloss = _mm256_blend_epi32(_mm256_blend_epi32(b, a, 0b00100010), c, 0b01000100);
    const __m256i height = _mm256_blend_epi32(_mm256_blend_epi32(c, b, 0b00100010), a, 0b01000100);
    return {_mm256_shuffle_epi32(bytes, _MM_SHUFFLE(1, 2, 3, 0)),
            _mm256_shuffle_epi32(gloss, _MM_SHUFFLE(2, 3, 0, 1)),
            _mm256_shuffle_epi32(height, _MM_SHUFFLE(3, 0, 1, 2))};
}

void storeFields(CanvasCell* cells, const Fields& f) {
    const __m256i bytes = _mm256_shuffle_epi32(f.bytes, _MM_SHUFFLE(1, 2, 3, 0));
    const __m256i gloss = _mm256_shuffle_epi32(f.gloss, _MM_SHUFFLE(2, 3, 0, 1));
    const __m256i height = _mm256_shuffle_epi32(f.height, _MM_SHUFFLE(3, 0, 1, 2));
    storeHalves(
        cells, 0,
        _mm256_blend_epi32(_mm256_blend_epi32(bytes, gloss, 0b00100010), height, 0b01000100));
    storeHalves(
        cells, 1,
        _mm256_blend_epi32(_mm256_blend_epi32(gloss, height, 0b00100010), bytes, 0b01000100));
    storeHalves(
        cells, 2,
        _mm256_blend_epi32(_mm256_blend_epi32(height, bytes, 0b00100010), gloss, 0b01000100));
}

constexpr float kTwoTo23 = 8388608.0f;
constexpr int kTwoTo23Bits = 0x4b000000;  // the float 2^23: its low mantissa bytes add to it

// Byte f of every word as the float 2^23 + byte, without a conversion.
__m256 byteOf(__m256i words, int f) {
    const int z = -1;
    const __m256i low = _mm256_shuffle_epi8(
        words, _mm256_add_epi8(_mm256_setr_epi8(0, z, z, z, 4, z, z, z, 8, z, z, z, 12, z, z, z, 0,
                                                z, z, z, 4, z, z, z, 8, z, z, z, 12, z, z, z),
                               _mm256_set1_epi32(f)));
    return _mm256_castsi256_ps(_mm256_or_si256(low, _mm256_set1_epi32(kTwoTo23Bits)));
}

__m256 shiftedBytes(__m256i bytes) {
    return _mm256_castsi256_ps(_mm256_or_si256(bytes, _mm256_set1_epi32(kTwoTo23Bits)));
}

// Lanes holding a byte in their low byte back into the red, green, blue and paint bytes.
__m256i packBytes(__m256i red, __m256i green, __m256i blue, __m256i paint) {
    const __m256i mask = _mm256_set1_epi32(0xff);
    const __m256i bytes = _mm256_packus_epi16(
        _mm256_packus_epi32(_mm256_and_si256(red, mask), _mm256_and_si256(green, mask)),
        _mm256_packus_epi32(_mm256_and_si256(blue, mask), _mm256_and_si256(paint, mask)));
    return _mm256_shuffle_epi8(
        bytes, _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12,
                                1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15));
}

// What every group of eight cells of a dab shares, widened once.
struct Lanes {
    explicit Lanes(const DepositDab& d)
        : dab(d),
          amount(_mm256_set1_ps(float(d.amount))),
          red(_mm256_set1_ps(kTwoTo23 + float(d.red))),
          green(_mm256_set1_ps(kTwoTo23 + float(d.green))),
          blue(_mm256_set1_ps(kTwoTo23 + float(d.blue))),
          gloss(_mm256_set1_ps(kTwoTo23 + float(d.gloss))),
          centreHeight(_mm256_set1_pd(d.centreHeight)),
          thickness(_mm256_set1_pd(d.thickness)) {}

    const DepositDab& dab;
    __m256 amount;  // the settings' float, which the double amount holds exactly
    __m256 red;     // the targets as 2^23 + byte
    __m256 green;
    __m256 blue;
    __m256 gloss;
    __m256d centreHeight;
    __m256d thickness;
};

__m256d lowDoubles(__m256 v) {
    return _mm256_cvtps_pd(_mm256_castps256_ps128(v));
}
__m256d highDoubles(__m256 v) {
    return _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1));
}

// The moves below take v and target as 2^23 + byte and leave the result in the low byte.

// double(target - v) * k + v, truncated, low byte kept, as a cell at a time does it.
__m256i moveTowardExactly(__m256 v, __m256 target, __m256 k) {
    const __m256 byte = _mm256_sub_ps(v, _mm256_set1_ps(kTwoTo23));
    const __m256 toward = _mm256_sub_ps(target, v);
    const __m128i rLow = _mm256_cvttpd_epi32(
        _mm256_add_pd(_mm256_mul_pd(lowDoubles(toward), lowDoubles(k)), lowDoubles(byte)));
    const __m128i rHigh = _mm256_cvttpd_epi32(
        _mm256_add_pd(_mm256_mul_pd(highDoubles(toward), highDoubles(k)), highDoubles(byte)));
    return _mm256_set_m128i(rHigh, rLow);
}

// The same in float lanes, for k = 0 or 2^-20 <= k <= 1 only. There the double sum s is exact
// (every term is a multiple of 2^-43 below 2^8) and lies between v and target, so the result
// is its floor. Rounding 2^23 + s to float once gives 2^23 + m with m the nearest integer to
// s; the floor is m, or m - 1 where s < m, which the sign of s - m, rounded once, tells.
[[gnu::always_inline]] inline __m256i moveTowardInFloat(__m256 v, __m256 target, __m256 k) {
    const __m256 toward = _mm256_sub_ps(target, v);
    const __m256 nearest = _mm256_fmadd_ps(toward, k, v);
    const __m256 residual = _mm256_fmadd_ps(toward, k, _mm256_sub_ps(v, nearest));
    return _mm256_add_epi32(
        _mm256_castps_si256(nearest),
        _mm256_castps_si256(_mm256_cmp_ps(residual, _mm256_setzero_ps(), _CMP_LT_OQ)));
}

bool floatSuffices(__m256 k) {
    const __m256 zero = _mm256_cmp_ps(k, _mm256_setzero_ps(), _CMP_EQ_OQ);
    const __m256 inRange = _mm256_and_ps(_mm256_cmp_ps(k, _mm256_set1_ps(0x1p-20f), _CMP_GE_OQ),
                                         _mm256_cmp_ps(k, _mm256_set1_ps(1.0f), _CMP_LE_OQ));
    return _mm256_movemask_ps(_mm256_or_ps(zero, inRange)) == 0xff;
}

template <class Move>
[[gnu::always_inline]] inline Fields movedBytes(const Fields& old, const Lanes& lanes, __m256 grain,
                                                Move move) {
    Fields now;
    now.bytes =
        packBytes(move(byteOf(old.bytes, 0), lanes.red), move(byteOf(old.bytes, 1), lanes.green),
                  move(byteOf(old.bytes, 2), lanes.blue), move(byteOf(old.bytes, 3), grain));
    now.gloss = _mm256_blendv_epi8(old.gloss, move(byteOf(old.gloss, 0), lanes.gloss),
                                   _mm256_set1_epi32(0xff));
    return now;
}

// The new heights of four lanes as floats, from the double sum of thickness each adds.
[[gnu::always_inline]] inline __m128 newHeights(const Lanes& lanes, __m128 height, __m128 kFloat,
                                                __m256d add) {
    const __m256d h = _mm256_cvtps_pd(height);
    const __m256d k = _mm256_cvtps_pd(kFloat);
    const __m256d half = _mm256_set1_pd(0.5);
    __m256d relief;
    if (lanes.dab.scrape) {
        relief = _mm256_sub_pd(h, _mm256_mul_pd(_mm256_mul_pd(half, h), k));
    } else {
        relief = _mm256_add_pd(
            h, _mm256_mul_pd(_mm256_mul_pd(_mm256_sub_pd(lanes.centreHeight, h), half), k));
    }
    relief = _mm256_cvtps_pd(_mm256_cvtpd_ps(relief));
    return _mm256_cvtpd_ps(_mm256_add_pd(relief, add));
}

// What a row's cells take from their weights and texture samples alone, worked out for the
// whole row before its cells are read: the strength k, and the height each adds.
struct RowStrengths {
    alignas(32) float k[dab::kMaxSide];
    alignas(32) double add[dab::kMaxSide];
};

// The thickness four lanes add: 0.5 x fa x thickness, scaled by the texture if there is one.
[[gnu::always_inline]] inline __m256d addedHeights(const Lanes& lanes, __m256d fa, __m128i tvInt) {
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d add = _mm256_mul_pd(_mm256_mul_pd(half, fa), lanes.thickness);
    if (!lanes.dab.textured) {
        return add;
    }
    return _mm256_mul_pd(
        _mm256_mul_pd(_mm256_cvtepi32_pd(tvInt), _mm256_set1_pd(double(kTextureLift))), add);
}

// fa = float(w x amount), exact as a float product since the double one is; k = float(tv x
// 1/255 x fa), or fa for a solid brush.
[[gnu::always_inline]] inline void strengthsOfEight(const Lanes& lanes, const float* weights,
                                                    const uint8_t* texture, float* k, double* add) {
    const __m256 fa = _mm256_mul_ps(_mm256_loadu_ps(weights), lanes.amount);
    const __m256i tv =
        _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(texture)));
    const __m256d faLow = lowDoubles(fa);
    const __m256d faHigh = highDoubles(fa);
    _mm256_storeu_pd(add, addedHeights(lanes, faLow, _mm256_castsi256_si128(tv)));
    _mm256_storeu_pd(add + 4, addedHeights(lanes, faHigh, _mm256_extracti128_si256(tv, 1)));
    if (lanes.dab.solid) {
        _mm256_storeu_ps(k, fa);
        return;
    }
    const __m256d byteFraction = _mm256_set1_pd(double(kByteFraction));
    const __m128 kLow = _mm256_cvtpd_ps(_mm256_mul_pd(
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(tv)), byteFraction), faLow));
    const __m128 kHigh = _mm256_cvtpd_ps(_mm256_mul_pd(
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(tv, 1)), byteFraction), faHigh));
    _mm256_storeu_ps(k, _mm256_set_m128(kHigh, kLow));
}

// Rare: kept out of the loop so that the loop keeps its vectors in registers.
[[gnu::noinline]] Fields movedBytesExactly(const Fields& old, const Lanes& lanes, __m256 grain,
                                           __m256 k) {
    return movedBytes(old, lanes, grain,
                      [&](__m256 v, __m256 target) { return moveTowardExactly(v, target, k); });
}

[[gnu::always_inline]] inline void depositEight(const Lanes& lanes, CanvasCell* eight, __m256 w,
                                                const uint8_t* style, const float* strengths,
                                                const double* add) {
    const __m256i weighted = _mm256_castps_si256(_mm256_cmp_ps(w, _mm256_setzero_ps(), _CMP_GT_OQ));
    const __m256 grain = shiftedBytes(
        _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(style))));
    const __m256 k = _mm256_loadu_ps(strengths);

    const Fields old = loadFields(eight);
    Fields now =
        floatSuffices(k)
            ? movedBytes(old, lanes, grain,
                         [&](__m256 v, __m256 target) { return moveTowardInFloat(v, target, k); })
            : movedBytesExactly(old, lanes, grain, k);
    const __m256 heights = _mm256_castsi256_ps(old.height);
    const __m128 hLow = newHeights(lanes, _mm256_castps256_ps128(heights),
                                   _mm256_castps256_ps128(k), _mm256_loadu_pd(add));
    const __m128 hHigh = newHeights(lanes, _mm256_extractf128_ps(heights, 1),
                                    _mm256_extractf128_ps(k, 1), _mm256_loadu_pd(add + 4));
    now.height = _mm256_castps_si256(_mm256_set_m128(hHigh, hLow));

    // Cells of weight 0 keep every bit.
    now.bytes = _mm256_blendv_epi8(old.bytes, now.bytes, weighted);
    now.gloss = _mm256_blendv_epi8(old.gloss, now.gloss, weighted);
    now.height = _mm256_blendv_epi8(old.height, now.height, weighted);
    storeFields(eight, now);
}

}  // namespace

void depositRowAvx2(const DepositDab& dab, CanvasCell* cells, const float* weights,
                    const uint8_t* texture, const uint8_t* style, int count) {
    const Lanes lanes(dab);
    RowStrengths row;
    if (count < 8) {
        // Too few cells for one vector: eight lanes padded with cells of weight 0.
        CanvasCell padded[8] = {};
        float paddedWeights[8] = {};
        uint8_t paddedTexture[8] = {};
        uint8_t paddedStyle[8] = {};
        std::memcpy(padded, cells, std::size_t(count) * sizeof(CanvasCell));
        std::memcpy(paddedWeights, weights, std::size_t(count) * sizeof(float));
        std::memcpy(paddedTexture, texture, std::size_t(count));
        std::memcpy(paddedStyle, style, std::size_t(count));
        strengthsOfEight(lanes, paddedWeights, paddedTexture, row.k, row.add);
        depositEight(lanes, padded, _mm256_loadu_ps(paddedWeights), paddedStyle, row.k, row.add);
        std::memcpy(cells, padded, std::size_t(count) * sizeof(CanvasCell));
        return;
    }
    // A row that is not a whole number of vectors ends in a vector that overlaps the one before
    // it. It goes first, and the overlap is left out of the other one: far apart, the second
    // read of a cell does not wait for the first write to land.
    const int whole = count & ~7;
    const int last = count - 8;
    for (int done = 0; done < whole; done += 8) {
        strengthsOfEight(lanes, weights + done, texture + done, row.k + done, row.add + done);
    }
    if (whole != count) {
        strengthsOfEight(lanes, weights + last, texture + last, row.k + last, row.add + last);
        depositEight(lanes, cells + last, _mm256_loadu_ps(weights + last), style + last,
                     row.k + last, row.add + last);
    }
    for (int done = 0; done < whole; done += 8) {
        __m256 w = _mm256_loadu_ps(weights + done);
        if (done + 8 > last && whole != count) {
            const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
            w = _mm256_and_ps(
                w, _mm256_castsi256_ps(_mm256_cmpgt_epi32(_mm256_set1_epi32(last - done), lane)));
        }
        depositEight(lanes, cells + done, w, style + done, row.k + done, row.add + done);
    }
}

}  // namespace dw
