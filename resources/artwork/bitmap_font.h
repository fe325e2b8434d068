#pragma once

#include <string_view>

#include "resources/artwork/picture.h"

namespace dw::artwork {

// The pictures' one typeface: a hand-set bitmap font with 7-pixel capitals, a 5-pixel
// x-height and 2-pixel descenders. At this size crisp pixels read better than smoothed
// outlines, and they survive JPEG cleanly.
enum class Weight { Regular, Bold };

inline constexpr int kCapHeight = 7;
inline constexpr int kLineHeight = 9;

int textWidth(std::string_view text, Weight weight = Weight::Regular);
// (x, y) is the top-left corner of the capitals.
void drawText(Picture& picture, int x, int y, std::string_view text, Rgb colour,
              Weight weight = Weight::Regular);
void drawTextCentred(Picture& picture, int centreX, int y, std::string_view text, Rgb colour,
                     Weight weight = Weight::Regular);
void drawTextRightAligned(Picture& picture, int right, int y, std::string_view text, Rgb colour,
                          Weight weight = Weight::Regular);

}  // namespace dw::artwork
