#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

#include "canvas/byte_fraction.h"
#include "canvas/canvas.h"
#include "canvas/gloss_map.h"
#include "canvas/lit_rows.h"
#include "canvas/row_split.h"
#include "canvas/shade_reach.h"
#include "canvas/simd_level.h"
#include "canvas/truncation.h"

namespace dw {
namespace {

constexpr double kPaintDisplacement = 20.0;
constexpr double kGlossCentre = 128.0;
constexpr double kGlossScale = 126.0;
// Below this many cells handing half to the second processor costs more than it saves. A
// dab's square with the light's reach (up to 240 x 240) stays below it: while painting, the
// window system needs the other processor to show the dab, and a waiting helper thread
// would take it.
constexpr std::size_t kParallelCells = 1u << 16;

// Rows a thread takes at least: each band first reads the 40 rows of paint around its top
// row, which is waste in bands of a few rows. A small area goes in two halves; a large one in
// eight bands or more, so that an idle processor can still take work from a busy one.
uint32_t rowsPerBand(uint32_t rows) {
    return std::max(rows / 8, std::min((rows + 1) / 2, 128u));
}

struct GlossFactors {
    double highlight[256];  // gl * k
    double matte[256];      // (255 - gl) * k
    GlossFactors() {
        for (int gl = 0; gl < 256; ++gl) {
            highlight[gl] = double(gl) * kByteFraction;
            matte[gl] = double(255 - gl) * kByteFraction;
        }
    }
};

const GlossFactors kGlossFactors;

// A coordinate of the displaced paint lookup: truncated to 64 bits, its low 32 bits taken as
// unsigned, then reduced modulo the side. A negative position therefore wraps as 2^32 + v.
inline uint32_t wrapLookup(double position, uint32_t side) {
    const auto v = static_cast<uint32_t>(static_cast<uint64_t>(truncToInt64(position)));
    return v < side ? v : v % side;
}

inline uint8_t clampByte(int v) {
    return uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
}

struct ShadeInput {
    const CanvasCell* cells;
    uint32_t width;
    uint32_t height;
    LightVector light;
    bool lighting;
    const GlossMap* gloss;
};

// The unit normal of a cell and its diffuse term, from the heights around it.
struct Normal {
    float x;
    float z;
    float diffuse;
};

// The normal starts at (0, 1, 0); each partial difference is a float, the sums are taken in
// double. left/right/up/down are null where the grid ends: column 0 and row 0 stay flat in
// their direction, the last column and row use the one-sided difference.
inline Normal normalAt(double h, const float* left, const float* right, const float* up,
                       const float* down, const LightVector& light) {
    float nx = 0.0f;
    float nz = 0.0f;
    if (left) {
        nx = float(h - *left);
        if (right) {
            nx = float(nx - (h - *right));
        }
    }
    if (up) {
        nz = float(h - *up);
        if (down) {
            nz = float(nz - (h - *down));
        }
    }
    float ny = 1.0f;
    const float length = float(std::sqrt(1.0 + double(nx) * nx + double(nz) * nz));
    if (length != 0.0f) {
        nx = nx / length;
        ny = ny / length;
        nz = nz / length;
    }
    const float diffuse = float(double(nx) * light.x + double(ny) * light.y + double(nz) * light.z);
    return {nx, nz, diffuse < 0.0f ? 0.0f : diffuse};
}

// What a pixel needs besides its own cell: where its paint grain is read, which highlight it
// picks, and how much light it gets.
struct ShadeSample {
    uint32_t grainCell;
    uint32_t glossIndex;
    float diffuse;
};

inline ShadeSample sampleFor(const ShadeInput& in, uint32_t x, uint32_t y, const Normal& n) {
    const uint32_t column = wrapLookup(x + kPaintDisplacement * n.x, in.width);
    const uint32_t row = wrapLookup(y + kPaintDisplacement * n.z, in.height);
    // A unit normal gives 2..254; the clamp only guards against NaN heights.
    const int gx = clampInt(truncToInt(kGlossCentre - kGlossScale * n.x), 0, 255);
    const int gz = clampInt(truncToInt(kGlossCentre - kGlossScale * n.z), 0, 255);
    return {row * in.width + column, uint32_t(gx * GlossMap::kSide + gz), n.diffuse};
}

inline void shadePixel(const ShadeInput& in, const CanvasCell& cell, const ShadeSample& sample,
                       uint8_t* pixel) {
    const int grain = in.cells[sample.grainCell].paint;
    int r = cell.red + grain;
    int g = cell.green + grain;
    int b = cell.blue + grain;
    if (in.lighting) {
        const int gl = cell.gloss;
        // Both factors are small and finite: a plain conversion truncates correctly.
        const int highlight =
            int(kGlossFactors.highlight[gl] * in.gloss->data()[sample.glossIndex]);
        r += highlight;
        g += highlight;
        b += highlight;
        const double m = kGlossFactors.matte[gl];
        const double d = sample.diffuse;
        if (d == d) {
            // d lies in 0..1, so every result lies in 0..637.
            r = int(r + m * (r * d - r));
            g = int(g + m * (g * d - g));
            b = int(b + m * (b * d - b));
        } else {
            r = truncToInt(r + m * (r * d - r));
            g = truncToInt(g + m * (g * d - g));
            b = truncToInt(b + m * (b * d - b));
        }
    }
    pixel[0] = clampByte(b);
    pixel[1] = clampByte(g);
    pixel[2] = clampByte(r);
}

constexpr std::size_t kFloatsPerCell = sizeof(CanvasCell) / sizeof(float);

Normal normalOfCell(const ShadeInput& in, uint32_t x, uint32_t y) {
    const float* h = &in.cells[std::size_t(y) * in.width + x].height;
    const std::size_t rowStep = std::size_t(in.width) * kFloatsPerCell;
    return normalAt(*h, x > 0 ? h - kFloatsPerCell : nullptr,
                    x + 1 < in.width ? h + kFloatsPerCell : nullptr, y > 0 ? h - rowStep : nullptr,
                    y + 1 < in.height ? h + rowStep : nullptr, in.light);
}

#if defined(__SSE2__)
// Four inner cells at once: the same operations as normalAt and sampleFor, lane by lane, so
// the results are bit for bit the same. Returns false (nothing written) when a normal is
// not a number, which the scalar path handles.
bool fourInnerSamples(const ShadeInput& in, const CanvasCell* row, uint32_t x, uint32_t y,
                      ShadeSample* out) {
    // Signed: the row above is reached by a negative offset.
    const std::ptrdiff_t w = in.width;
    const CanvasCell* c = row + x;
    const __m128 h = _mm_setr_ps(c[0].height, c[1].height, c[2].height, c[3].height);
    const __m128 left = _mm_setr_ps(c[-1].height, c[0].height, c[1].height, c[2].height);
    const __m128 right = _mm_setr_ps(c[1].height, c[2].height, c[3].height, c[4].height);
    const __m128 up = _mm_setr_ps(c[-w].height, c[1 - w].height, c[2 - w].height, c[3 - w].height);
    const __m128 down = _mm_setr_ps(c[w].height, c[w + 1].height, c[w + 2].height, c[w + 3].height);
    // A float difference rounded once equals the float subtraction.
    const __m128 nx1 = _mm_sub_ps(h, left);
    const __m128 nz1 = _mm_sub_ps(h, up);
    auto low = [](__m128 v) { return _mm_cvtps_pd(v); };
    auto high = [](__m128 v) { return _mm_cvtps_pd(_mm_movehl_ps(v, v)); };
    auto toFloat = [](__m128d lo, __m128d hi) {
        return _mm_movelh_ps(_mm_cvtpd_ps(lo), _mm_cvtpd_ps(hi));
    };
    // nx = float(nx1 - (h - right)), the inner difference in double.
    const __m128 nx = toFloat(_mm_sub_pd(low(nx1), _mm_sub_pd(low(h), low(right))),
                              _mm_sub_pd(high(nx1), _mm_sub_pd(high(h), high(right))));
    const __m128 nz = toFloat(_mm_sub_pd(low(nz1), _mm_sub_pd(low(h), low(down))),
                              _mm_sub_pd(high(nz1), _mm_sub_pd(high(h), high(down))));
    const __m128d one = _mm_set1_pd(1.0);
    auto lengthOf = [&](__m128d x2, __m128d z2) {
        return _mm_sqrt_pd(_mm_add_pd(_mm_add_pd(one, _mm_mul_pd(x2, x2)), _mm_mul_pd(z2, z2)));
    };
    const __m128 length = toFloat(lengthOf(low(nx), low(nz)), lengthOf(high(nx), high(nz)));
    const __m128 ux = _mm_div_ps(nx, length);
    const __m128 uy = _mm_div_ps(_mm_set1_ps(1.0f), length);
    const __m128 uz = _mm_div_ps(nz, length);
    if (_mm_movemask_ps(_mm_cmpunord_ps(ux, uz)) != 0) {
        return false;
    }
    const __m128d lx = _mm_set1_pd(in.light.x);
    const __m128d ly = _mm_set1_pd(in.light.y);
    const __m128d lz = _mm_set1_pd(in.light.z);
    auto dot = [&](__m128d a, __m128d b, __m128d c2) {
        return _mm_add_pd(_mm_add_pd(_mm_mul_pd(a, lx), _mm_mul_pd(b, ly)), _mm_mul_pd(c2, lz));
    };
    const __m128 diffuse =
        _mm_max_ps(toFloat(dot(low(ux), low(uy), low(uz)), dot(high(ux), high(uy), high(uz))),
                   _mm_setzero_ps());
    // Positions of the paint lookup and the gloss map, truncated toward zero.
    const __m128d twenty = _mm_set1_pd(kPaintDisplacement);
    const __m128d centre = _mm_set1_pd(kGlossCentre);
    const __m128d scale = _mm_set1_pd(kGlossScale);
    const __m128d xs0 = _mm_setr_pd(double(x), double(x + 1));
    const __m128d xs1 = _mm_setr_pd(double(x + 2), double(x + 3));
    const __m128d ys = _mm_set1_pd(double(y));
    auto truncate = [](__m128d lo, __m128d hi) {
        return _mm_unpacklo_epi64(_mm_cvttpd_epi32(lo), _mm_cvttpd_epi32(hi));
    };
    alignas(16) int32_t columns[4];
    alignas(16) int32_t rows[4];
    alignas(16) int32_t gx[4];
    alignas(16) int32_t gz[4];
    alignas(16) float light[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(columns),
                    truncate(_mm_add_pd(xs0, _mm_mul_pd(twenty, low(ux))),
                             _mm_add_pd(xs1, _mm_mul_pd(twenty, high(ux)))));
    _mm_store_si128(reinterpret_cast<__m128i*>(rows),
                    truncate(_mm_add_pd(ys, _mm_mul_pd(twenty, low(uz))),
                             _mm_add_pd(ys, _mm_mul_pd(twenty, high(uz)))));
    _mm_store_si128(reinterpret_cast<__m128i*>(gx),
                    truncate(_mm_sub_pd(centre, _mm_mul_pd(scale, low(ux))),
                             _mm_sub_pd(centre, _mm_mul_pd(scale, high(ux)))));
    _mm_store_si128(reinterpret_cast<__m128i*>(gz),
                    truncate(_mm_sub_pd(centre, _mm_mul_pd(scale, low(uz))),
                             _mm_sub_pd(centre, _mm_mul_pd(scale, high(uz)))));
    _mm_store_ps(light, diffuse);
    for (int i = 0; i < 4; ++i) {
        // Low 32 bits as unsigned, then modulo the side: a negative position wraps as 2^32 + v.
        const auto column = uint32_t(columns[i]);
        const auto rowIndex = uint32_t(rows[i]);
        const uint32_t cx = column < in.width ? column : column % in.width;
        const uint32_t cz = rowIndex < in.height ? rowIndex : rowIndex % in.height;
        out[i] = {cz * in.width + cx, uint32_t(gx[i] * GlossMap::kSide + gz[i]), light[i]};
    }
    return true;
}
#endif

// Samples of the cells x0..x1-1 of row y.
void rowSamples(const ShadeInput& in, uint32_t y, uint32_t x0, uint32_t x1, ShadeSample* out,
                SimdLevel level) {
    uint32_t x = x0;
#if defined(__SSE2__)
    // Cells with all four neighbours inside the grid.
    if (level != SimdLevel::Portable && y > 0 && y + 1 < in.height) {
        const CanvasCell* row = in.cells + std::size_t(y) * in.width;
        x = std::max<uint32_t>(x0, 1);
        for (uint32_t b = x0; b < x; ++b) {
            out[b - x0] = sampleFor(in, b, y, normalOfCell(in, b, y));
        }
        const uint32_t innerEnd = std::min<uint32_t>(x1, in.width - 1);
        for (; x + 4 <= innerEnd; x += 4) {
            if (!fourInnerSamples(in, row, x, y, out + (x - x0))) {
                for (uint32_t i = x; i < x + 4; ++i) {
                    out[i - x0] = sampleFor(in, i, y, normalOfCell(in, i, y));
                }
            }
        }
    }
#else
    (void)level;
#endif
    for (; x < x1; ++x) {
        out[x - x0] = sampleFor(in, x, y, normalOfCell(in, x, y));
    }
}

// Cells x0..x1-1 of row y into their pixels: first the arithmetic of the span, then the
// scattered reads of paint and highlights, so that the processor can overlap the cache misses
// of the second part.
void shadeSpan(const ShadeInput& in, uint32_t y, uint32_t x0, uint32_t x1, uint8_t* rowPixels,
               std::vector<ShadeSample>& samples, SimdLevel level) {
    if (x0 >= x1) {
        return;
    }
    samples.resize(std::max<std::size_t>(samples.size(), x1 - x0));
    rowSamples(in, y, x0, x1, samples.data(), level);
    const CanvasCell* cells = in.cells + std::size_t(y) * in.width;
    uint8_t* pixel = rowPixels + std::size_t(x0) * 3;
    // The paint read lies up to 20 rows away, mostly outside the nearer caches.
    constexpr uint32_t kAhead = 24;
    for (uint32_t i = 0; i < std::min(kAhead, x1 - x0); ++i) {
        __builtin_prefetch(&in.cells[samples[i].grainCell]);
    }
    for (uint32_t x = x0; x < x1; ++x, pixel += 3) {
        if (x + kAhead < x1) {
            __builtin_prefetch(&in.cells[samples[x + kAhead - x0].grainCell]);
        }
        shadePixel(in, cells[x], samples[x - x0], pixel);
    }
}

// The wide kernels take the light as fixed; the diffuse term is then 1 / length exactly.
bool lightIsFixed(const LightVector& light) {
    return light.x == 0.0f && light.y == 1.0f && light.z == 0.0f;
}

#if defined(__x86_64__)
// Rows [y0, y1) with 0 < y0 and y1 < height, columns [x0, x1), with the wide kernel for
// the cells that have all four neighbours.
void shadeInnerRows(const ShadeInput& in, Surface& surface, uint32_t y0, uint32_t y1, uint32_t x0,
                    uint32_t x1, std::vector<ShadeSample>& samples) {
    const SimdLevel level = SimdLevel::Avx2;
    const LitGrid grid{in.cells, in.width, in.height, in.gloss->data(), in.lighting};
    const uint32_t innerX0 = std::max<uint32_t>(x0, 1);
    const uint32_t innerX1 = std::min<uint32_t>(x1, in.width - 1);
    LitBand band = litBandFor(in.width, innerX0, innerX1);
    std::vector<uint32_t> redo((innerX1 - innerX0 + 7) / 8);
    std::vector<float> heights(3 * std::size_t(innerX1 - innerX0 + 2));
    std::vector<uint8_t> paint(
        band.paintFromCells ? 0 : LitBand::kPaintRows * std::size_t(band.paintStride));
    const std::size_t columns = innerX1 - innerX0 + 8;
    const std::size_t entries = 8 * std::size_t(LitBand::kChunkGroups);
    std::vector<int32_t> indices(2 * entries);
    std::vector<float> diffuse(3 * entries);
    std::vector<uint8_t> kinds(columns / 8 + 1);
    band.heights = heights.data();
    band.paint = paint.data();
    band.lookup = indices.data();
    band.glossIndex = indices.data() + entries;
    band.diffuse = diffuse.data();
    band.slopeX = diffuse.data() + entries;
    band.slopeZ = diffuse.data() + 2 * entries;
    band.groupKind = kinds.data();
    for (uint32_t y = y0; y < y1; ++y) {
        uint8_t* rowPixels = surface.row(y);
        shadeSpan(in, y, x0, innerX0, rowPixels, samples, level);
        uint32_t redoCount = 0;
        const uint32_t stop = shadeInnerRowAvx2(grid, band, y, rowPixels, redo.data(), redoCount);
        shadeSpan(in, y, stop, x1, rowPixels, samples, level);
        for (uint32_t i = 0; i < redoCount; ++i) {
            shadeSpan(in, y, redo[i], redo[i] + 8, rowPixels, samples, level);
        }
    }
}
#endif

ShadeInput shadeInput(const Canvas& canvas) {
    return {canvas.cells(), canvas.width(),  canvas.height(),
            canvas.light,   canvas.lighting, &glossMap()};
}

}  // namespace

void Canvas::shadeCell(uint32_t x, uint32_t y) {
    if (!surface_.valid() || !hasCells() || x >= width_ || y >= height_) {
        return;
    }
    const ShadeInput in = shadeInput(*this);
    const ShadeSample sample = sampleFor(in, x, y, normalOfCell(in, x, y));
    shadePixel(in, at(x, y), sample, surface_.row(y) + std::size_t(x) * 3);
}

void Canvas::shadeRows(uint32_t y0, uint32_t y1, uint32_t x0, uint32_t x1) {
    const ShadeInput in = shadeInput(*this);
    const SimdLevel level = simdLevel();
    std::vector<ShadeSample> samples;
#if defined(__x86_64__)
    const uint32_t innerX0 = std::max<uint32_t>(x0, 1);
    const uint32_t innerX1 = std::min<uint32_t>(x1, width_ - 1);
    const uint32_t innerY0 = std::max<uint32_t>(y0, 1);
    const uint32_t innerY1 = std::min<uint32_t>(y1, height_ - 1);
    // The wide kernel addresses a cell's paint by a 32-bit byte offset into the grid.
    const bool addressable = std::size_t(width_) * height_ * sizeof(CanvasCell) < (1ull << 31);
    if (level == SimdLevel::Avx2 && lightIsFixed(in.light) && addressable && innerX0 < innerX1 &&
        innerY0 < innerY1) {
        for (uint32_t y = y0; y < innerY0; ++y) {
            shadeSpan(in, y, x0, x1, surface_.row(y), samples, level);
        }
        shadeInnerRows(in, surface_, innerY0, innerY1, x0, x1, samples);
        for (uint32_t y = innerY1; y < y1; ++y) {
            shadeSpan(in, y, x0, x1, surface_.row(y), samples, level);
        }
        return;
    }
#endif
    for (uint32_t y = y0; y < y1; ++y) {
        shadeSpan(in, y, x0, x1, surface_.row(y), samples, level);
    }
}

void Canvas::shadeRect(int x0, int y0, int x1, int y1) {
    if (!surface_.valid() || !hasCells()) {
        return;
    }
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = int(std::min<int64_t>(x1, width_));
    y1 = int(std::min<int64_t>(y1, height_));
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    shadeArea(uint32_t(x0), uint32_t(y0), uint32_t(x1), uint32_t(y1));
}

void Canvas::shadeArea(uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1) {
    // Every pixel depends only on the cells, so two threads give the same picture.
    if (std::size_t(x1 - x0) * (y1 - y0) >= kParallelCells) {
        splitRows(
            y0, y1, [&](uint32_t from, uint32_t to) { shadeRows(from, to, x0, x1); },
            rowsPerBand(y1 - y0));
    } else {
        shadeRows(y0, y1, x0, x1);
    }
}

void Canvas::shadeAround(const std::vector<CellArea>& changed) {
    if (!surface_.valid() || !hasCells()) {
        return;
    }
    const std::vector<ShadeBand> bands = pixelsReading(changed, width_, height_);
    std::size_t pixels = 0;
    for (const ShadeBand& band : bands) {
        for (const auto& [x0, x1] : band.spans) {
            pixels += std::size_t(x1 - x0) * (band.y1 - band.y0);
        }
    }
    auto shadeBands = [&](uint32_t from, uint32_t to) {
        for (const ShadeBand& band : bands) {
            const uint32_t y0 = std::max(from, band.y0);
            const uint32_t y1 = std::min(to, band.y1);
            for (const auto& [x0, x1] : band.spans) {
                if (y0 < y1) {
                    shadeRows(y0, y1, x0, x1);
                }
            }
        }
    };
    // One hand-over to the second processor for all the bands, not one per band.
    if (pixels >= kParallelCells) {
        splitRows(bands.front().y0, bands.back().y1, shadeBands,
                  rowsPerBand(bands.back().y1 - bands.front().y0));
    } else if (!bands.empty()) {
        shadeBands(bands.front().y0, bands.back().y1);
    }
}

void Canvas::shadeAll() {
    if (surface_.valid() && hasCells()) {
        shadeArea(0, 0, width_, height_);
    }
    shaded = true;
}

}  // namespace dw
