#include "tools/brush_footprint.h"

#include <algorithm>
#include <cmath>

#include "canvas/truncation.h"
#include "tools/icon_line.h"

namespace dw {
namespace {

constexpr int kMaxHardness = 100;
constexpr float kHardnessStep = 0.01f;

// The weight of a cell at distance d from the dab centre: 1 inside f x R, falling linearly to
// 0 at R. A hard brush (f = 1) has a sharp edge that excludes the cells exactly at R.
float edgeWeight(double d, float discRadius, float f) {
    const float t = float(d / discRadius);
    if (f >= 1.0f) {
        return t < 1.0f ? 1.0f : 0.0f;
    }
    const double w = 1.0 - (double(t) - f) / (1.0 - f);
    if (!(w > 0.0)) {
        return 0.0f;
    }
    return w > 1.0 ? 1.0f : float(w);
}

void drawProfileIcon(Surface& icon, float f) {
    constexpr int side = BrushFootprint::kIconSide;
    icon.fillWhite();
    const int a = truncToInt((side - side * double(f)) * 0.5);
    drawIconLine(icon, 0, side, a, 5);
    drawIconLine(icon, a, 5, side - a, 5);
    drawIconLine(icon, side - a, 5, side, side);
}

}  // namespace

BrushFootprint::BrushFootprint() : weights_(std::size_t(kSide) * kSide, 0.0f) {
    icon_.create(kIconSide, kIconSide);
    icon_.fillWhite();
}

int footprintHardness(const BrushSettings& strokeSettings) {
    return clampInt(strokeSettings.hardness, 1, kMaxHardness);
}

void BuildFootprint(BrushFootprint& footprint, const BrushSettings& strokeSettings) {
    if (footprint.valid_) {
        return;
    }
    constexpr int side = BrushFootprint::kSide;
    const int r = clampInt(strokeSettings.size, 1, BrushFootprint::kMaxRadius);
    const float discRadius = float(std::sqrt(2.0 * r * r) * 0.5);
    // 1.0 exactly at hardness 100: a hard edge.
    const float f = float(footprintHardness(strokeSettings) * kHardnessStep);

    // The weight depends only on |dx| and |dy|: work out one quadrant, then mirror it.
    float quadrant[BrushFootprint::kMaxRadius + 1][BrushFootprint::kMaxRadius + 1];
    for (int dx = 0; dx <= r; ++dx) {
        for (int dy = 0; dy <= dx; ++dy) {
            const double d = std::sqrt(double(dx * dx + dy * dy));
            quadrant[dx][dy] = quadrant[dy][dx] = edgeWeight(d, discRadius, f);
        }
    }

    float* weights = footprint.weights_.data();
    // What an earlier, larger brush left past the new square must read 0 again.
    if (footprint.radius_ > r) {
        const int oldSide = 2 * footprint.radius_;
        for (int j = 0; j < oldSide; ++j) {
            std::fill_n(weights + std::size_t(j) * side, oldSide, 0.0f);
        }
    }
    footprint.rowSpans_.fill({});
    for (int j = 0; j < 2 * r; ++j) {
        float* row = weights + std::size_t(j) * side;
        const float* mirrored = quadrant[std::abs(j - r)];
        WeightSpan span{2 * r, 0};
        for (int i = 0; i < 2 * r; ++i) {
            row[i] = mirrored[std::abs(i - r)];
            if (row[i] > 0.0f) {
                span.first = std::min(span.first, i);
                span.end = i + 1;
            }
        }
        footprint.rowSpans_[std::size_t(j)] = span.end > 0 ? span : WeightSpan{};
    }
    // The table is symmetric about its diagonal, and so are the spans.
    footprint.columnSpans_ = footprint.rowSpans_;
    footprint.radius_ = r;
    drawProfileIcon(footprint.icon_, f);
    footprint.valid_ = true;
}

}  // namespace dw
