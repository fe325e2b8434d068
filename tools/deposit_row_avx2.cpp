#include <immintrin.h>

#include "tools/deposit_row.h"

namespace dw {
namespace {

struct Fields {
    __m256i bytes;   // red, green, blue, paint of eight cells
    __m256i gloss;   // the word holding the gloss
    __m256i height;  // the height's bits
};

// Field f of eight cells from the 24 words a, b, c, word 3n + f holding field f of cell n:
// index is 3n + f mod 8, and the blends say which lanes come from b and c.
template <int fromB, int fromC>
__m256i pick(__m256i a, __m256i b, __m256i c, __m256i index) {
    const __m256i ab = _mm256_blend_epi32(_mm256_permutevar8x32_epi32(a, index),
                                          _mm256_permutevar8x32_epi32(b, index), fromB);
    return _mm256_blend_epi32(ab, _mm256_permutevar8x32_epi32(c, index), fromC);
}

Fields loadFields(const CanvasCell* cells) {
    const __m256i* words = reinterpret_cast<const __m256i*>(cells);
    const __m256i a = _mm256_loadu_si256(words);
    const __m256i b = _mm256_loadu_si256(words + 1);
    const __m256i c = _mm256_loadu_si256(words + 2);
    return {pick<0b00111000, 0b11000000>(a, b, c, _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5)),
            pick<0b00011000, 0b11100000>(a, b, c, _mm256_setr_epi32(1, 4, 7, 2, 5, 0, 3, 6)),
            pick<0b00011100, 0b11100000>(a, b, c, _mm256_setr_epi32(2, 5, 0, 3, 6, 1, 4, 7))};
}

template <int ofGloss, int ofHeight>
__m256i interleave(const Fields& f, __m256i index) {
    const __m256i bytes = _mm256_permutevar8x32_epi32(f.bytes, index);
    const __m256i gloss = _mm256_permutevar8x32_epi32(f.gloss, index);
    const __m256i height = _mm256_permutevar8x32_epi32(f.height, index);
    return _mm256_blend_epi32(_mm256_blend_epi32(bytes, gloss, ofGloss), height, ofHeight);
}

void storeFields(CanvasCell* cells, const Fields& f) {
    __m256i* words = reinterpret_cast<__m256i*>(cells);
    _mm256_storeu_si256(
        words, interleave<0b10010010, 0b00100100>(f, _mm256_setr_epi32(0, 0, 0, 1, 1, 1, 2, 2)));
    _mm256_storeu_si256(words + 1, interleave<0b00100100, 0b01001001>(
                                       f, _mm256_setr_epi32(2, 3, 3, 3, 4, 4, 4, 5)));
    _mm256_storeu_si256(words + 2, interleave<0b01001001, 0b10010010>(
                                       f, _mm256_setr_epi32(5, 5, 6, 6, 6, 7, 7, 7)));
}

__m256d low(__m256i v) {
    return _mm256_cvtepi32_pd(_mm256_castsi256_si128(v));
}
__m256d high(__m256i v) {
    return _mm256_cvtepi32_pd(_mm256_extracti128_si256(v, 1));
}

// double(target - v) * k + v, truncated, low byte kept; for the eight lanes of v and target.
__m256i moveToward(__m256i v, __m256i target, __m256d kLow, __m256d kHigh) {
    const __m256d vLow = low(v);
    const __m256d vHigh = high(v);
    const __m128i rLow = _mm256_cvttpd_epi32(
        _mm256_add_pd(_mm256_mul_pd(_mm256_sub_pd(low(target), vLow), kLow), vLow));
    const __m128i rHigh = _mm256_cvttpd_epi32(
        _mm256_add_pd(_mm256_mul_pd(_mm256_sub_pd(high(target), vHigh), kHigh), vHigh));
    return _mm256_and_si256(_mm256_set_m128i(rHigh, rLow), _mm256_set1_epi32(0xff));
}

__m256i byteOf(__m256i word, int shift) {
    return _mm256_and_si256(_mm256_srli_epi32(word, shift), _mm256_set1_epi32(0xff));
}

// The new heights of four lanes as floats.
__m128 newHeights(const DepositDab& dab, __m128 height, __m256d k, __m256d fa, __m256d tv) {
    const __m256d h = _mm256_cvtps_pd(height);
    const __m256d half = _mm256_set1_pd(0.5);
    __m256d relief;
    if (dab.scrape) {
        relief = _mm256_sub_pd(h, _mm256_mul_pd(_mm256_mul_pd(half, h), k));
    } else {
        const __m256d toCentre = _mm256_sub_pd(_mm256_set1_pd(dab.centreHeight), h);
        relief = _mm256_add_pd(h, _mm256_mul_pd(_mm256_mul_pd(toCentre, half), k));
    }
    relief = _mm256_cvtps_pd(_mm256_cvtpd_ps(relief));
    __m256d add = _mm256_mul_pd(_mm256_mul_pd(half, fa), _mm256_set1_pd(dab.thickness));
    if (dab.textured) {
        add = _mm256_mul_pd(_mm256_mul_pd(tv, _mm256_set1_pd(double(kTextureLift))), add);
    }
    return _mm256_cvtpd_ps(_mm256_add_pd(relief, add));
}

}  // namespace

int depositRowAvx2(const DepositDab& dab, CanvasCell* cells, const float* weights,
                   const uint8_t* texture, const uint8_t* style, int count) {
    const __m256d amount = _mm256_set1_pd(dab.amount);
    const __m256d byteFraction = _mm256_set1_pd(double(kByteFraction));
    const __m256i red = _mm256_set1_epi32(dab.red);
    const __m256i green = _mm256_set1_epi32(dab.green);
    const __m256i blue = _mm256_set1_epi32(dab.blue);
    const __m256i gloss = _mm256_set1_epi32(dab.gloss);
    int done = 0;
    for (; done + 8 <= count; done += 8) {
        CanvasCell* eight = cells + done;
        const __m256 w = _mm256_loadu_ps(weights + done);
        const __m256i weighted =
            _mm256_castps_si256(_mm256_cmp_ps(w, _mm256_setzero_ps(), _CMP_GT_OQ));
        const __m256i tv =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(texture + done)));
        const __m256i grain =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(style + done)));

        // fa = float(w x amount); k = float(tv x 1/255 x fa), or fa for a solid brush.
        const __m256d faLow = _mm256_cvtps_pd(
            _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_cvtps_pd(_mm256_castps256_ps128(w)), amount)));
        const __m256d faHigh = _mm256_cvtps_pd(
            _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_cvtps_pd(_mm256_extractf128_ps(w, 1)), amount)));
        const __m256d tvLow = low(tv);
        const __m256d tvHigh = high(tv);
        __m256d kLow = faLow;
        __m256d kHigh = faHigh;
        if (!dab.solid) {
            kLow = _mm256_cvtps_pd(
                _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_mul_pd(tvLow, byteFraction), faLow)));
            kHigh = _mm256_cvtps_pd(
                _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_mul_pd(tvHigh, byteFraction), faHigh)));
        }

        const Fields old = loadFields(eight);
        Fields now;
        const __m256i newRed = moveToward(byteOf(old.bytes, 0), red, kLow, kHigh);
        const __m256i newGreen = moveToward(byteOf(old.bytes, 8), green, kLow, kHigh);
        const __m256i newBlue = moveToward(byteOf(old.bytes, 16), blue, kLow, kHigh);
        const __m256i newPaint = moveToward(byteOf(old.bytes, 24), grain, kLow, kHigh);
        now.bytes = _mm256_or_si256(
            _mm256_or_si256(newRed, _mm256_slli_epi32(newGreen, 8)),
            _mm256_or_si256(_mm256_slli_epi32(newBlue, 16), _mm256_slli_epi32(newPaint, 24)));
        const __m256i newGloss = moveToward(byteOf(old.gloss, 0), gloss, kLow, kHigh);
        now.gloss =
            _mm256_or_si256(_mm256_andnot_si256(_mm256_set1_epi32(0xff), old.gloss), newGloss);
        const __m256 heights = _mm256_castsi256_ps(old.height);
        const __m128 hLow = newHeights(dab, _mm256_castps256_ps128(heights), kLow, faLow, tvLow);
        const __m128 hHigh =
            newHeights(dab, _mm256_extractf128_ps(heights, 1), kHigh, faHigh, tvHigh);
        now.height = _mm256_castps_si256(_mm256_set_m128(hHigh, hLow));

        // Cells of weight 0 keep every bit.
        now.bytes = _mm256_blendv_epi8(old.bytes, now.bytes, weighted);
        now.gloss = _mm256_blendv_epi8(old.gloss, now.gloss, weighted);
        now.height = _mm256_blendv_epi8(old.height, now.height, weighted);
        storeFields(eight, now);
    }
    return done;
}

}  // namespace dw
