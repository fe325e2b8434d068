#pragma once

// Cells in AVX2 lanes for the colour filters' wide runs: only for files compiled for AVX2.

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "canvas/canvas_cell.h"

namespace dw::lanes {

// Eight cells are 96 bytes: three 32-byte vectors. Cell i's first dword (red, green, blue,
// paint) is dword 3 i of the 24.
struct EightCells {
    __m256i part[3];
};

inline EightCells loadEight(const CanvasCell* cells) {
    const auto* p = reinterpret_cast<const __m256i*>(cells);
    return {{_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1), _mm256_loadu_si256(p + 2)}};
}

// The painting is far larger than the caches: stores that bypass them spare reading the
// target's lines in first.
inline void streamEight(CanvasCell* cells, const EightCells& e) {
    auto* p = reinterpret_cast<__m256i*>(cells);
    for (int i = 0; i < 3; ++i) {
        _mm256_stream_si256(p + i, e.part[i]);
    }
}

// The first dwords of the eight cells, in cell order.
inline __m256i coloursOf(const EightCells& e) {
    const __m256i order = _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5);
    const __m256i ab = _mm256_blend_epi32(_mm256_permutevar8x32_epi32(e.part[0], order),
                                          _mm256_permutevar8x32_epi32(e.part[1], order), 0x38);
    return _mm256_blend_epi32(ab, _mm256_permutevar8x32_epi32(e.part[2], order), 0xC0);
}

// The inverse of coloursOf: the eight first dwords put back, the rest of each cell kept.
inline EightCells withColours(const EightCells& e, __m256i colours) {
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
inline __m256i blendedBytes(__m256i current, __m256i target) {
    const __m256i lands =
        _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(current, target), target),
                        _mm256_cmpeq_epi8(target, _mm256_setzero_si256()));
    return _mm256_add_epi8(target, _mm256_andnot_si256(lands, _mm256_set1_epi8(-1)));
}

// One byte of each colour dword, widened to the dword.
inline __m256i byteOf(__m256i colours, int byte) {
    const auto b = char(byte);
    const char z = -1;  // a byte of zeros
    return _mm256_shuffle_epi8(
        colours, _mm256_setr_epi8(b, z, z, z, char(b + 4), z, z, z, char(b + 8), z, z, z,
                                  char(b + 12), z, z, z, b, z, z, z, char(b + 4), z, z, z,
                                  char(b + 8), z, z, z, char(b + 12), z, z, z));
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
inline __m256i paintOf(__m256i colours) {
    return _mm256_andnot_si256(_mm256_set1_epi32(0xFFFFFF), colours);
}

// The colour dwords of the targets red, green and blue (dwords of 0..255), with the paint of
// the cells c, blended from the cells' colours.
inline __m256i blendedTowards(__m256i c, __m256i red, __m256i green, __m256i blue) {
    const __m256i target =
        _mm256_or_si256(_mm256_or_si256(red, _mm256_slli_epi32(green, 8)),
                        _mm256_or_si256(_mm256_slli_epi32(blue, 16), paintOf(c)));
    return blendedBytes(c, target);
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

}  // namespace dw::lanes
