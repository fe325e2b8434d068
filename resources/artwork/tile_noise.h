#pragma once

#include <cstdint>
#include <vector>

#include "canvas/pattern_images.h"

namespace dw::artwork {

// Pattern images are read tiled, so every field here repeats exactly over the pattern period
// in both directions: lattices have a whole number of cells across the tile and wrap their
// indices.
inline constexpr int kTile = kPatternPeriod;

uint32_t hash3(int32_t x, int32_t y, uint32_t seed);
// Uniform in [0, 1).
float hashUnit(int32_t x, int32_t y, uint32_t seed);

// Smooth gradient noise in about -1..1, `cells` lattice cells across the tile.
float gradientNoise(float x, float y, int cells, uint32_t seed);
// Sum of octaves, each with twice the cells and `gain` times the weight; about -1..1.
float fractalNoise(float x, float y, int cells, int octaves, float gain, uint32_t seed);
// Value noise stretched along x: smooth lengthwise, varied across; about 0..1.
float streakNoise(float x, float y, int cellsAlong, int cellsAcross, uint32_t seed);

struct CellDistances {
    float nearest = 0.0f;  // distance to the nearest feature point, in pixels
    float second = 0.0f;   // to the second nearest
    float edge = 0.0f;     // to the nearest cell border: 0 on the border, growing inward
    uint32_t id = 0;       // identity of the nearest cell, stable within the tile
};
// Cellular noise with `cells` x `cells` jittered feature points over the tile.
CellDistances cellNoise(float x, float y, int cells, float jitter, uint32_t seed);

// A 200 x 200 field of values, row by row.
class Field {
  public:
    Field() : values_(kTile * kTile, 0.0f) {}
    float& at(int x, int y) { return values_[std::size_t(wrap(y)) * kTile + wrap(x)]; }
    float at(int x, int y) const { return values_[std::size_t(wrap(y)) * kTile + wrap(x)]; }
    // Wrapping box blur: keeps the field seamless.
    void blur(int radius);

    static int wrap(int v) { return ((v % kTile) + kTile) % kTile; }

  private:
    std::vector<float> values_;
};

}  // namespace dw::artwork
