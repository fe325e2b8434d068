#pragma once

#include "resources/artwork/picture.h"

namespace dw::artwork {

inline constexpr int kGlossSide = 256;
// Where the lobe is brightest. A slope rising to the right gives a positive N.x and so a
// column below 128; one rising downward gives a row below 128. The lobe therefore lights
// the flanks of a stroke that face the upper left.
inline constexpr float kGlossLobeCentre = 80.0f;

// The "gloss" picture: column gx, row gz holds 128 + the highlight added to a cell whose
// normal maps to (gx, gz). The flat centre stays almost dark so that glossy paint on a level
// surface keeps its colour.
Picture glossPicture();

}  // namespace dw::artwork
