#include "filters/colour_filters.h"

#include <array>
#include <cstdint>

#include "canvas/simd_level.h"
#include "filters/cell_blend.h"
#include "filters/colour_runs.h"
#include "filters/filter_frame.h"
#include "filters/luma.h"

namespace dw {

#if !defined(__x86_64__)
std::size_t invertColourRunAvx2(const CanvasCell*, CanvasCell*, std::size_t) {
    return 0;
}
std::size_t desaturateRunAvx2(const CanvasCell*, CanvasCell*, std::size_t) {
    return 0;
}
std::size_t solarizeRunAvx2(const CanvasCell*, CanvasCell*, std::size_t) {
    return 0;
}
std::size_t nightRunAvx2(const CanvasCell*, CanvasCell*, std::size_t) {
    return 0;
}
std::size_t aquaRunAvx2(const CanvasCell*, CanvasCell*, std::size_t) {
    return 0;
}
#endif

namespace {

constexpr double kSolarizeScale = 255.0f;

int largestComponent(const CanvasCell& c) {
    const int rg = c.red > c.green ? c.red : c.green;
    return rg > c.blue ? rg : c.blue;
}

// x / m for every component x up to its cell's largest component m, as the division gives
// it; row 0 (a black cell) holds 0 instead of a division by zero.
struct ComponentRatios {
    std::array<std::array<double, 256>, 256> ratio{};
    ComponentRatios() {
        for (int m = 1; m < 256; ++m) {
            for (int x = 0; x <= m; ++x) {
                ratio[m][x] = double(x) / double(m);
            }
        }
    }
};

const ComponentRatios& componentRatios() {
    static const ComponentRatios ratios;
    return ratios;
}

// Solarize's blended result for every (m, x): one lookup per component in the cell loop.
struct SolarizeTable {
    std::array<std::array<uint8_t, 256>, 256> blended{};
    SolarizeTable() {
        const ComponentRatios& ratios = componentRatios();
        for (int m = 0; m < 256; ++m) {
            for (int x = 0; x <= m; ++x) {
                blended[m][x] =
                    blendByte(uint8_t(x), truncToByte(ratios.ratio[m][x] * kSolarizeScale));
            }
        }
    }
};

// Runs of cells through the wide kernel where the processor has one, the rest cell by cell.
template <class RewriteCell>
void rewriteWide(Canvas& painting, UndoHistory& history,
                 std::size_t (*wide)(const CanvasCell*, CanvasCell*, std::size_t),
                 RewriteCell rewriteCell) {
#if defined(__x86_64__)
    const bool useWide = simdLevel() == SimdLevel::Avx2;
#else
    const bool useWide = false;
    (void)wide;
#endif
    auto rewriteOne = [&](const CanvasCell* from, CanvasCell* to, std::size_t i) {
        CanvasCell cell = from[i];
        rewriteCell(cell);
        to[i] = cell;
    };
    rewriteCellRuns(
        painting, history, [&](const CanvasCell* from, CanvasCell* to, std::size_t count) {
            std::size_t done = 0;
            if (useWide) {
                // The wide kernels store whole vectors, which must be aligned.
                for (; done < count && reinterpret_cast<std::uintptr_t>(to + done) % kWideAlignment;
                     ++done) {
                    rewriteOne(from, to, done);
                }
                done += wide(from + done, to + done, count - done);
            }
            for (std::size_t i = done; i < count; ++i) {
                rewriteOne(from, to, i);
            }
        });
}

}  // namespace

void invertColor(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteWide(painting, history, invertColourRunAvx2, [](CanvasCell& c) {
        c.red = blendByte(c.red, uint8_t(255 - c.red));
        c.green = blendByte(c.green, uint8_t(255 - c.green));
        c.blue = blendByte(c.blue, uint8_t(255 - c.blue));
    });
}

void desaturate(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteWide(painting, history, desaturateRunAvx2, [](CanvasCell& c) {
        const auto v = uint8_t(luma(c));
        c.red = blendByte(c.red, v);
        c.green = blendByte(c.green, v);
        c.blue = blendByte(c.blue, v);
    });
}

void solarize(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    static const SolarizeTable table;
    rewriteWide(painting, history, solarizeRunAvx2, [](CanvasCell& c) {
        const std::array<uint8_t, 256>& row = table.blended[largestComponent(c)];
        c.red = row[c.red];
        c.green = row[c.green];
        c.blue = row[c.blue];
    });
}

void night(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    const ComponentRatios& ratios = componentRatios();
    rewriteWide(painting, history, nightRunAvx2, [&ratios](CanvasCell& c) {
        const std::array<double, 256>& ratio = ratios.ratio[largestComponent(c)];
        // A ratio of at most 1 times a byte: plain conversions truncate safely.
        const double paint = c.paint;
        c.red = blendByte(c.red, uint8_t(static_cast<int>(ratio[c.red] * paint)));
        c.green = blendByte(c.green, uint8_t(static_cast<int>(ratio[c.green] * paint)));
        c.blue = blendByte(c.blue, uint8_t(static_cast<int>(ratio[c.blue] * paint)));
    });
}

void aqua(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    constexpr double k = kByteFraction;
    rewriteWide(painting, history, aquaRunAvx2, [](CanvasCell& c) {
        const double f = luma(c) * k;
        // Each product of bytes and fractions stays within 0..255.00002, so plain conversions
        // truncate safely. Green is scaled by the new red, not the old one.
        const auto red = static_cast<uint8_t>(static_cast<int>(c.red * (c.paint * k) * f));
        const auto green = static_cast<uint8_t>(static_cast<int>(c.green * (red * k) * f));
        int blue = static_cast<int>(c.blue * (c.blue * k) * f);
        if (blue < kAquaMinimumBlue) {
            blue = kAquaMinimumBlue;
        }
        c.red = blendByte(c.red, red);
        c.green = blendByte(c.green, green);
        c.blue = blendByte(c.blue, uint8_t(blue));
    });
}

}  // namespace dw
