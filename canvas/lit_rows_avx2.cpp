#include <immintrin.h>

#include <algorithm>

#include "canvas/lit_rows.h"

// Compiled for AVX2 only; called only when the processor reports it. Every operation is the
// one the portable shading does, in the same order and precision, lane by lane.
namespace dw {
namespace {

constexpr float kByteFractionF = 1.0f / 255.0f;

struct Halves {
    __m256d low;
    __m256d high;
};

inline Halves widen(__m256 v) {
    return {_mm256_cvtps_pd(_mm256_castps256_ps128(v)),
            _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1))};
}

inline Halves widen(__m256i v) {
    return {_mm256_cvtepi32_pd(_mm256_castsi256_si128(v)),
            _mm256_cvtepi32_pd(_mm256_extracti128_si256(v, 1))};
}

inline __m256 narrow(Halves v) {
    return _mm256_set_m128(_mm256_cvtpd_ps(v.high), _mm256_cvtpd_ps(v.low));
}

inline __m256i truncate(Halves v) {
    return _mm256_set_m128i(_mm256_cvttpd_epi32(v.high), _mm256_cvttpd_epi32(v.low));
}

template <class Op>
inline Halves each(Halves a, Halves b, Op op) {
    return {op(a.low, b.low), op(a.high, b.high)};
}

inline Halves add(Halves a, Halves b) {
    return each(a, b, [](__m256d p, __m256d q) { return _mm256_add_pd(p, q); });
}
inline Halves sub(Halves a, Halves b) {
    return each(a, b, [](__m256d p, __m256d q) { return _mm256_sub_pd(p, q); });
}
inline Halves mul(Halves a, Halves b) {
    return each(a, b, [](__m256d p, __m256d q) { return _mm256_mul_pd(p, q); });
}
// a b + c rounded once.
inline Halves fused(Halves a, Halves b, Halves c) {
    return {_mm256_fmadd_pd(a.low, b.low, c.low), _mm256_fmadd_pd(a.high, b.high, c.high)};
}
inline Halves splat(double v) {
    return {_mm256_set1_pd(v), _mm256_set1_pd(v)};
}

// Low 32 bits as unsigned, then modulo the side, for the lanes outside 0..side-1.
inline __m256i wrapLanes(__m256i v, uint32_t side) {
    const __m256i outside =
        _mm256_or_si256(_mm256_cmpgt_epi32(_mm256_setzero_si256(), v),
                        _mm256_cmpgt_epi32(v, _mm256_set1_epi32(int(side - 1))));
    if (_mm256_testz_si256(outside, outside)) {
        return v;
    }
    alignas(32) uint32_t lanes[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), v);
    for (uint32_t& lane : lanes) {
        lane = lane < side ? lane : lane % side;
    }
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
}

// The r + m * (r * d - r) of one colour, truncated.
inline __m256i dim(__m256i colour, Halves m, Halves d) {
    const Halves r = widen(colour);
    return truncate(add(r, mul(m, sub(mul(r, d), r))));
}

// Eight consecutive cells as three plain loads: a gather at the cells' 12-byte stride costs
// several times more. Field 0 is red, green, blue and paint, 1 the gloss, 2 the height.
struct EightCells {
    __m256i a;
    __m256i b;
    __m256i c;
};

inline EightCells loadEight(const CanvasCell* cells) {
    const auto* p = reinterpret_cast<const __m256i*>(cells);
    return {_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1), _mm256_loadu_si256(p + 2)};
}

template <int Field>
inline __m256i fieldOf(const EightCells& e) {
    // Cell i's field is dword 3 i + Field of the 24: the first cells lie in a, the last in c.
    constexpr int kFromB = Field == 0 ? 0x38 : (Field == 1 ? 0x18 : 0x1C);
    constexpr int kFromC = Field == 0 ? 0xC0 : 0xE0;
    const __m256i order = Field == 0   ? _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5)
                          : Field == 1 ? _mm256_setr_epi32(1, 4, 7, 2, 5, 0, 3, 6)
                                       : _mm256_setr_epi32(2, 5, 0, 3, 6, 1, 4, 7);
    const __m256i ab = _mm256_blend_epi32(_mm256_permutevar8x32_epi32(e.a, order),
                                          _mm256_permutevar8x32_epi32(e.b, order), kFromB);
    return _mm256_blend_epi32(ab, _mm256_permutevar8x32_epi32(e.c, order), kFromC);
}

// Eight bytes read one by one: on this processor a gather of eight costs more.
inline __m256i bytesAt(const uint8_t* base, const int32_t* at) {
    return _mm256_setr_epi32(base[at[0]], base[at[1]], base[at[2]], base[at[3]], base[at[4]],
                             base[at[5]], base[at[6]], base[at[7]]);
}

// trunc(gl k v) with k the float 1/255, for bytes gl and v: k exceeds 1/255 by so little
// that the product never crosses an integer above gl v / 255, so this is gl v / 255 in
// integers, itself exactly (p 32897) >> 23 for every p up to 255 x 255.
inline __m256i highlightOf(__m256i gl, __m256i glossValue) {
    const __m256i p = _mm256_mullo_epi32(gl, glossValue);
    return _mm256_srli_epi32(_mm256_mullo_epi32(p, _mm256_set1_epi32(32897)), 23);
}

// The truncated r + m (r d - r) of the three colours, with m = matte k and 0 <= d <= 1, in
// float: r q with q = 1 - m (1 - d) lies within 2e-4 of the exact value for every r up to
// three bytes' sum, the double computation within 1e-12. Where the float results 2^-10 either
// side truncate alike, so does the double one; where d is 1 or matte 0 both give r exactly.
// Returns false, leaving the colours alone, when a lane lies nearer a boundary than that.
inline bool dimQuickly(__m256i& r, __m256i& g, __m256i& b, __m256i matte, __m256 d) {
    const __m256 one = _mm256_set1_ps(1.0f);
    const __m256 m = _mm256_mul_ps(_mm256_cvtepi32_ps(matte), _mm256_set1_ps(kByteFractionF));
    const __m256 q = _mm256_sub_ps(one, _mm256_mul_ps(m, _mm256_sub_ps(one, d)));
    const __m256 margin = _mm256_set1_ps(1.0f / 1024.0f);
    __m256i unsure = _mm256_setzero_si256();
    auto dimmed = [&](__m256i colour) {
        // Fused, the product is not rounded before the margin is taken: closer still.
        const __m256 c = _mm256_cvtepi32_ps(colour);
        const __m256i low = _mm256_cvttps_epi32(_mm256_fmsub_ps(c, q, margin));
        const __m256i high = _mm256_cvttps_epi32(_mm256_fmadd_ps(c, q, margin));
        unsure = _mm256_or_si256(unsure, _mm256_xor_si256(low, high));
        return high;
    };
    const __m256i dr = dimmed(r);
    const __m256i dg = dimmed(g);
    const __m256i db = dimmed(b);
    const __m256i exact = _mm256_castps_si256(
        _mm256_or_ps(_mm256_cmp_ps(d, one, _CMP_EQ_OQ),
                     _mm256_castsi256_ps(_mm256_cmpeq_epi32(matte, _mm256_setzero_si256()))));
    if (!_mm256_testz_si256(unsure, _mm256_andnot_si256(exact, _mm256_set1_epi32(-1)))) {
        return false;
    }
    r = dr;
    g = dg;
    b = db;
    return true;
}

// Brings the rows the shading of row y reads into the band's buffers.
void fillBand(const LitGrid& grid, LitBand& band, uint32_t y) {
    const uint32_t heightWidth = band.x1 - band.x0 + 2;
    for (int64_t r = int64_t(y) - 1; r <= int64_t(y) + 1; ++r) {
        const int slot = int(r % 3);
        if (band.heightRow[slot] != r) {
            const CanvasCell* cells = grid.cells + std::size_t(r) * grid.width + (band.x0 - 1);
            float* out = band.heights + std::size_t(slot) * heightWidth;
            uint32_t i = 0;
            for (; i + 8 <= heightWidth; i += 8) {
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                                    fieldOf<2>(loadEight(cells + i)));
            }
            for (; i < heightWidth; ++i) {
                out[i] = cells[i].height;
            }
            band.heightRow[slot] = r;
        }
    }
    if (band.paintFromCells) {
        return;
    }
    const int64_t low = y >= 20 ? int64_t(y) - 20 : 0;
    const int64_t high = y + 20 < grid.height ? int64_t(y) + 20 : int64_t(grid.height) - 1;
    if (band.paintHigh < band.paintLow || low < band.paintLow || low > band.paintHigh + 1) {
        band.paintLow = low;
        band.paintHigh = low - 1;
    }
    const uint32_t columns = band.paintStride;
    // The paint byte of each of four cells to the front of its 128-bit lane.
    const __m256i paintBytes =
        _mm256_setr_epi8(3, 7, 11, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 3, 7, 11, 15,
                         -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    for (int64_t r = band.paintHigh + 1; r <= high; ++r) {
        const CanvasCell* cells = grid.cells + std::size_t(r) * grid.width + band.paintColumn0;
        uint8_t* out = band.paint + std::size_t(r % LitBand::kPaintRows) * band.paintStride;
        // A short stretch of a row is too brief for the processor to learn the stream: the
        // next row's stretch is asked for while this one is copied.
        const auto* next = reinterpret_cast<const char*>(r + 1 < high ? cells + grid.width : cells);
        uint32_t i = 0;
        for (; i + 8 <= columns; i += 8) {
            _mm_prefetch(next + 12 * std::size_t(i), _MM_HINT_T0);
            _mm_prefetch(next + 12 * std::size_t(i) + 64, _MM_HINT_T0);
            const __m256i bytes = _mm256_shuffle_epi8(fieldOf<0>(loadEight(cells + i)), paintBytes);
            const __m256i low =
                _mm256_permutevar8x32_epi32(bytes, _mm256_setr_epi32(0, 4, 0, 0, 0, 0, 0, 0));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm256_castsi256_si128(low));
        }
        for (; i < columns; ++i) {
            out[i] = cells[i].paint;
        }
    }
    band.paintHigh = high > band.paintHigh ? high : band.paintHigh;
    band.paintLow = low;
}

}  // namespace

uint32_t shadeInnerRowAvx2(const LitGrid& grid, LitBand& band, uint32_t y, uint8_t* rowPixels,
                           uint32_t* redo, uint32_t& redoCount) {
    redoCount = 0;
    fillBand(grid, band, y);
    const uint32_t x0 = band.x0;
    const uint32_t x1 = band.x1;
    const std::size_t heightWidth = x1 - x0 + 2;
    // Column x0 - 1 of the rows above, at and below y.
    const float* above = band.heights + std::size_t((y - 1) % 3) * heightWidth;
    const float* here = band.heights + std::size_t(y % 3) * heightWidth;
    const float* below = band.heights + std::size_t((y + 1) % 3) * heightWidth;
    const CanvasCell* row = grid.cells + std::size_t(y) * grid.width;
    // The row the next fill of the band's paint reads, or a narrow band's lookups next reach,
    // asked for ahead, so that its trip from memory overlaps this row's arithmetic.
    const CanvasCell* nextPaintRow =
        grid.cells + std::size_t(std::min<uint32_t>(y + 21, grid.height - 1)) * grid.width;
    // The paint byte of cell 0; those of the others follow every 12 bytes.
    const uint8_t* cellPaint = &grid.cells[0].paint;
    const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i byteMask = _mm256_set1_epi32(0xFF);
    const __m256i widthLanes = _mm256_set1_epi32(int(grid.width));
    const __m256i lastColumn = _mm256_set1_epi32(int(grid.width - 1));
    const __m256i lastRow = _mm256_set1_epi32(int(grid.height - 1));
    const __m256i ringMask = _mm256_set1_epi32(LitBand::kPaintRows - 1);
    const __m256i paintStride = _mm256_set1_epi32(int(band.paintStride));
    const __m256i paintColumn0 = _mm256_set1_epi32(int(band.paintColumn0));
    const __m256i twelve = _mm256_set1_epi32(12);
    const __m256i zero = _mm256_setzero_si256();
    const Halves one = splat(1.0);
    const Halves twenty = splat(20.0);
    const Halves centre = splat(128.0);
    const Halves negativeScale = splat(-126.0);
    const Halves k = splat(double(kByteFractionF));
    const Halves ys = splat(double(y));
    // Packs the low bytes of four 32-bit pixels per 128-bit lane into 12 bytes.
    const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, 0,
                                          1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    // The work of a group is cut into stages, each run over many groups before the next: the
    // slopes and lengths, then the divisions and positions, then the reads they point to.
    // Each stage's chain is short enough for the processor to overlap many groups, and the
    // square roots and divisions keep their unit busy beside the other work. A span that is
    // not a multiple of eight ends with a group overlapping the one before it, which writes the
    // same pixels.
    const uint32_t groups = x1 - x0 >= 8 ? (x1 - x0 + 7) / 8 : 0;
    auto groupStart = [&](uint32_t group) { return std::min(x0 + 8 * group, x1 - 8); };
    // A chunk of groups at a time, so that what one stage leaves for the next stays in the
    // nearest cache however long the row.
    for (uint32_t first = 0; first < groups; first += LitBand::kChunkGroups) {
        const uint32_t last = std::min(groups, first + LitBand::kChunkGroups);
        for (uint32_t group = first; group < last; ++group) {
            const std::size_t at = groupStart(group) - x0;
            const std::size_t entry = 8 * std::size_t(group - first);
            const __m256 hc = _mm256_loadu_ps(here + at + 1);
            const __m256 left = _mm256_loadu_ps(here + at);
            const __m256 right = _mm256_loadu_ps(here + at + 2);
            const __m256 up = _mm256_loadu_ps(above + at + 1);
            const __m256 down = _mm256_loadu_ps(below + at + 1);
            const Halves hd = widen(hc);
            const __m256 nx = narrow(sub(widen(_mm256_sub_ps(hc, left)), sub(hd, widen(right))));
            const __m256 nz = narrow(sub(widen(_mm256_sub_ps(hc, up)), sub(hd, widen(down))));
            _mm256_storeu_ps(band.slopeX + entry, nx);
            _mm256_storeu_ps(band.slopeZ + entry, nz);
            const Halves nxd = widen(nx);
            const Halves nzd = widen(nz);
            const Halves sum = add(add(one, mul(nxd, nxd)), mul(nzd, nzd));
            _mm256_storeu_ps(band.diffuse + entry,
                             narrow({_mm256_sqrt_pd(sum.low), _mm256_sqrt_pd(sum.high)}));
        }
        for (uint32_t group = first; group < last; ++group) {
            const std::size_t entry = 8 * std::size_t(group - first);
            const __m256 length = _mm256_loadu_ps(band.diffuse + entry);
            const __m256 ux = _mm256_div_ps(_mm256_loadu_ps(band.slopeX + entry), length);
            const __m256 uz = _mm256_div_ps(_mm256_loadu_ps(band.slopeZ + entry), length);
            if (_mm256_movemask_ps(_mm256_cmp_ps(ux, uz, _CMP_UNORD_Q)) != 0) {
                band.groupKind[group] = LitBand::kSkipped;
                redo[redoCount++] = groupStart(group);
                continue;
            }
            band.groupKind[group] = LitBand::kFromBand;
            _mm256_storeu_ps(band.diffuse + entry, _mm256_div_ps(_mm256_set1_ps(1.0f), length));
            const uint32_t x = groupStart(group);
            const Halves uxd = widen(ux);
            const Halves uzd = widen(uz);
            const Halves xs = widen(_mm256_add_epi32(_mm256_set1_epi32(int(x)), lane));
            // The products are exact in double, so one fused rounding is the two-step one.
            const __m256i column = truncate(fused(twenty, uxd, xs));
            const __m256i rowIndex = truncate(fused(twenty, uzd, ys));
            const __m256i outside =
                _mm256_or_si256(_mm256_or_si256(_mm256_cmpgt_epi32(zero, column),
                                                _mm256_cmpgt_epi32(column, lastColumn)),
                                _mm256_or_si256(_mm256_cmpgt_epi32(zero, rowIndex),
                                                _mm256_cmpgt_epi32(rowIndex, lastRow)));
            __m256i lookup;
            if (!band.paintFromCells && _mm256_testz_si256(outside, outside)) {
                // Within reach and inside the grid: the band holds the paint.
                const __m256i slot =
                    _mm256_mullo_epi32(_mm256_and_si256(rowIndex, ringMask), paintStride);
                lookup = _mm256_add_epi32(slot, _mm256_sub_epi32(column, paintColumn0));
            } else {
                band.groupKind[group] = LitBand::kFromGrid;
                const __m256i cell = _mm256_add_epi32(
                    _mm256_mullo_epi32(wrapLanes(rowIndex, grid.height), widthLanes),
                    wrapLanes(column, grid.width));
                lookup = _mm256_mullo_epi32(cell, twelve);
            }
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(band.lookup + entry), lookup);
            if (grid.lighting) {
                const __m256i gx = truncate(fused(negativeScale, uxd, centre));
                const __m256i gz = truncate(fused(negativeScale, uzd, centre));
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(band.glossIndex + entry),
                                    _mm256_add_epi32(_mm256_slli_epi32(gx, 8), gz));
            }
        }
        for (uint32_t group = first; group < last; ++group) {
            const uint32_t x = groupStart(group);
            const std::size_t at = 8 * std::size_t(group - first);
            if (band.groupKind[group] == LitBand::kSkipped) {
                continue;
            }
            const __m256i grain =
                bytesAt(band.groupKind[group] == LitBand::kFromBand ? band.paint : cellPaint,
                        band.lookup + at);
            _mm_prefetch(reinterpret_cast<const char*>(nextPaintRow + x), _MM_HINT_T0);
            _mm_prefetch(reinterpret_cast<const char*>(nextPaintRow + x) + 64, _MM_HINT_T0);
            const EightCells own = loadEight(row + x);
            const __m256i colours = fieldOf<0>(own);
            __m256i r = _mm256_add_epi32(_mm256_and_si256(colours, byteMask), grain);
            __m256i g =
                _mm256_add_epi32(_mm256_and_si256(_mm256_srli_epi32(colours, 8), byteMask), grain);
            __m256i b =
                _mm256_add_epi32(_mm256_and_si256(_mm256_srli_epi32(colours, 16), byteMask), grain);
            if (grid.lighting) {
                const __m256i gl = _mm256_and_si256(fieldOf<1>(own), byteMask);
                const __m256i highlight =
                    highlightOf(gl, bytesAt(grid.glossMap, band.glossIndex + at));
                r = _mm256_add_epi32(r, highlight);
                g = _mm256_add_epi32(g, highlight);
                b = _mm256_add_epi32(b, highlight);
                const __m256 d = _mm256_loadu_ps(band.diffuse + at);
                const __m256i matte = _mm256_sub_epi32(_mm256_set1_epi32(255), gl);
                if (!dimQuickly(r, g, b, matte, d)) {
                    const Halves m = mul(widen(matte), k);
                    const Halves dd = widen(d);
                    r = dim(r, m, dd);
                    g = dim(g, m, dd);
                    b = dim(b, m, dd);
                }
            }
            // Clamp to 0..255 and lay out blue, green, red.
            auto clamp = [&](__m256i v) {
                return _mm256_min_epi32(_mm256_max_epi32(v, zero), byteMask);
            };
            const __m256i bgr =
                _mm256_or_si256(_mm256_or_si256(clamp(b), _mm256_slli_epi32(clamp(g), 8)),
                                _mm256_slli_epi32(clamp(r), 16));
            // The 24 bytes of the eight pixels together, stored without touching the next ones.
            const __m256i packed = _mm256_permutevar8x32_epi32(
                _mm256_shuffle_epi8(bgr, pack), _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7));
            uint8_t* out = rowPixels + std::size_t(x) * 3;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16),
                             _mm256_extracti128_si256(packed, 1));
        }
    }
    return groups > 0 ? x1 : x0;
}

}  // namespace dw
