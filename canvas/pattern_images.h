#pragma once

#include <array>
#include <cstdint>

#include "canvas/surface.h"
#include "canvas/truncation.h"

namespace dw {

inline constexpr int kPatternCount = 18;
// Paint styles and textures are read tiled with this period.
inline constexpr int kPatternPeriod = 200;

// Position inside a pattern tile for a cell coordinate shifted by a sampling offset:
// |trunc(offset) + coordinate| mod 200, the absolute value taken before the modulo.
inline int tiledCoordinate(float offset, int64_t coordinate) {
    const int64_t sum = int64_t(truncToInt(offset)) + coordinate;
    const uint64_t magnitude = sum < 0 ? uint64_t(-sum) : uint64_t(sum);
    return int(magnitude % kPatternPeriod);
}

// The red channel of one pattern image over one 200 x 200 tile, as the tools and filters
// read it; pixels the picture does not have read 0, as they do from the surface.
class PatternTile {
  public:
    void fillFrom(const Surface& picture);
    uint8_t at(int x, int y) const { return red_[std::size_t(y) * kPatternPeriod + x]; }
    const uint8_t* row(int y) const { return red_.data() + std::size_t(y) * kPatternPeriod; }

  private:
    std::array<uint8_t, kPatternPeriod * kPatternPeriod> red_{};
};

// The 18 paint style images ("paint0".."paint17") that give deposited paint its grain, and
// the 18 paper textures ("bump0".."bump17") that shape its relief. A picture that did not
// load stays an empty surface and reads 0 everywhere.
struct PatternImages {
    std::array<Surface, kPatternCount> styles;
    std::array<Surface, kPatternCount> textures;
    std::array<PatternTile, kPatternCount> styleTiles;
    std::array<PatternTile, kPatternCount> textureTiles;

    // Call after the surfaces change.
    void refreshTiles();
};

}  // namespace dw
