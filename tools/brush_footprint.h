#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "canvas/surface.h"
#include "tools/brush_settings.h"

namespace dw {

// Table positions [first, end) of one footprint row or column outside of which every weight
// is 0; the dab loops start and stop there instead of testing every cell of the square.
struct WeightSpan {
    int first = 0;
    int end = 0;
};

// The weights of a round brush: for a dab of radius r centred on cell (x, y), cell
// (x + dx, y + dy) with -r <= dx, dy < r has the weight at row dy + r, column dx + r. Shared
// by every dab of a stroke and rebuilt only after it was invalidated.
class BrushFootprint {
  public:
    static constexpr int kSide = 200;     // twice the largest radius
    static constexpr int kIconSide = 54;  // the profile icon of the styles panel
    static constexpr int kMaxRadius = kSide / 2;

    BrushFootprint();

    void invalidate() { valid_ = false; }
    bool valid() const { return valid_; }

    float weight(int column, int row) const { return weights_[std::size_t(row) * kSide + column]; }
    const float* row(int row) const { return weights_.data() + std::size_t(row) * kSide; }
    WeightSpan rowSpan(int row) const { return rowSpans_[std::size_t(row)]; }
    WeightSpan columnSpan(int column) const { return columnSpans_[std::size_t(column)]; }
    // The radius the table was last built for.
    int radius() const { return radius_; }

    // A trapezoid whose flat top widens with the hardness.
    const Surface& profileIcon() const { return icon_; }

  private:
    friend void BuildFootprint(BrushFootprint& footprint, const BrushSettings& strokeSettings);

    bool valid_ = false;
    int radius_ = 0;
    std::vector<float> weights_;  // kSide x kSide, all 0 outside the built square
    std::array<WeightSpan, kSide> rowSpans_{};
    std::array<WeightSpan, kSide> columnSpans_{};
    Surface icon_;
};

// Rebuilds the footprint from the stroke settings' size and hardness if it is not valid.
void BuildFootprint(BrushFootprint& footprint, const BrushSettings& strokeSettings);

// The hardness a footprint is built for: 0 counts as 1, so both share one set of tables.
int footprintHardness(const BrushSettings& strokeSettings);

// The radius a dab visits for a size: sizes past the table's reach are cut to it.
inline int dabRadius(int32_t size) {
    return size > BrushFootprint::kMaxRadius ? BrushFootprint::kMaxRadius : size;
}

}  // namespace dw
