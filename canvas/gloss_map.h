#pragma once

#include <array>
#include <cstdint>

namespace dw {

class Surface;

// Highlight strength (0..127) for every direction of the surface normal: index gx * 256 + gz,
// 128 being a flat surface. One table for the whole program, zero until loaded.
class GlossMap {
  public:
    static constexpr int kSide = 256;

    int32_t at(int gx, int gz) const { return values_[gx * kSide + gz]; }
    const uint8_t* data() const { return values_.data(); }
    void clear() { values_.fill(0); }
    // Fills the table from the red channel of a picture: red - 128, never below 0. Pixels
    // outside the picture read as black.
    void fillFrom(const Surface& picture);

  private:
    std::array<uint8_t, kSide * kSide> values_{};
};

GlossMap& glossMap();

// Builds the program's gloss map from its picture; reports a picture that did not load and
// leaves the map at zero (no highlights anywhere).
void loadGlossMap(const Surface& picture);

}  // namespace dw
