#pragma once

#include <cstdint>

#include "resources/artwork/picture.h"
#include "resources/artwork/tile_noise.h"

namespace dw::artwork {

// Building blocks shared by the paint styles and the paper textures. All of them repeat over
// the 200-pixel tile.

// Height of woven cloth at (x, y), 0 in the gaps to 1 on top of a thread. Threads are `pitch`
// pixels apart (200 / pitch must be a whole, even number); `overRun` threads in a row pass
// over before the pattern shifts by one (1 for plain weave, 2 for twill); `irregularity`
// varies thread thickness and adds slubs.
float wovenHeight(float x, float y, int pitch, int overRun, float threadWidth, float irregularity,
                  uint32_t seed);

// Adds a soft line from (x0, y0) to (x1, y1) with the given radius and strength, wrapping
// around the tile edges. Values combine by maximum when `keepBrightest`, else by sum.
void stampLine(Field& field, float x0, float y0, float x1, float y1, float radius, float strength,
               bool keepBrightest);
// Scatters curved fibres of random direction over the tile.
void stampFibres(Field& field, int count, float minLength, float maxLength, float radius,
                 float strength, uint32_t seed);

float smoothStep(float edge0, float edge1, float v);

// The field as a 200 x 200 grey picture; values are taken as 0..255 and clamped.
Picture greyPicture(const Field& field);

}  // namespace dw::artwork
