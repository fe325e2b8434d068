#pragma once

#include "resources/artwork/picture.h"

namespace dw::artwork {

inline constexpr int kPatternPictures = 18;

// Paint style n ("paint<n>"): the grain that deposited paint carries. Its grey value is
// added to the colour of every painted cell, so the styles stay mostly dark, with enough
// variation to show. Style 1 doubles as the brush preview's paper, laid at half value.
Picture paintStylePicture(int number);
const char* paintStyleTitle(int number);

}  // namespace dw::artwork
