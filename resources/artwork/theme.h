#pragma once

#include <string_view>

#include "resources/artwork/bitmap_font.h"
#include "resources/artwork/picture.h"

namespace dw::artwork {

// One light, warm-grey look for every panel. The program itself tints selections red and
// greys disabled areas toward white, which reads naturally on a light ground.
namespace colours {
inline constexpr Rgb kPanel{229, 226, 221};
inline constexpr Rgb kPanelShade{216, 212, 206};  // tab bars and bottom bars
inline constexpr Rgb kWell{210, 206, 199};        // sunken areas
inline constexpr Rgb kLine{183, 177, 169};
inline constexpr Rgb kLineDark{140, 134, 126};
inline constexpr Rgb kHighlight{247, 245, 242};
inline constexpr Rgb kText{44, 41, 38};
inline constexpr Rgb kTextSoft{108, 102, 95};
inline constexpr Rgb kAccent{204, 92, 44};
inline constexpr Rgb kAccentSoft{247, 222, 206};
inline constexpr Rgb kFace{243, 241, 238};  // raised button faces
inline constexpr Rgb kInk{52, 47, 43};      // pictogram outlines
}  // namespace colours

enum class ButtonLook { Up, Down };

// A sunken rectangle (end-exclusive): dark upper-left edge, light lower-right edge.
void drawWell(Picture& picture, int x0, int y0, int x1, int y1, Rgb inside = colours::kWell);
// An engraved horizontal line from x0 to x1 (exclusive) at row y, with its highlight below.
void drawRule(Picture& picture, int x0, int x1, int y);
// A small caption followed by a rule to the right edge x1.
void drawSectionTitle(Picture& picture, int x, int y, int x1, std::string_view title);
// A rounded push button covering the whole picture, with a centred text label.
Picture pushButton(int width, int height, std::string_view label, ButtonLook look);
// The face of a push button, for buttons that carry a pictogram instead of a label.
void drawButtonFace(Picture& picture, ButtonLook look);
// A tab for a tab bar: rounded top corners, open at the bottom when selected.
Picture tabButton(int width, int height, std::string_view label, bool selected);
// The background of a tab bar: `height` rows of bar with a border line in the last row.
void drawTabBar(Picture& picture, int height);
// Soft drop marks at both ends under a slider track at (x, y) of the given length, and
// the track's groove.
void drawSliderBed(Picture& picture, int x, int y, int length);

}  // namespace dw::artwork
