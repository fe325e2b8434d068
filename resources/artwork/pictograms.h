#pragma once

#include "resources/artwork/picture.h"
#include "resources/artwork/shapes.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

// Tool buttons are 32 x 28: two 32-pixel columns fill the 68-pixel tools panel, and eight
// rows of 28 fit its height. Every pictogram draws itself into such a picture.
inline constexpr int kToolButtonWidth = layout::kToolButtonWidth;
inline constexpr int kToolButtonHeight = layout::kToolButtonHeight;

using PictogramPainter = void (*)(Picture& picture);

void drawPaintBrush(Picture& p);
void drawTubePaint(Picture& p);
void drawSprayPaint(Picture& p);
void drawGelBrush(Picture& p);
void drawKnife(Picture& p);
void drawFinger(Picture& p);
void drawSponge(Picture& p);
void drawEraser(Picture& p);
void drawPaintBucket(Picture& p);

void drawHand(Picture& p);
void drawEyeDropper(Picture& p);
void drawSun(Picture& p);
void drawMoon(Picture& p);
void drawGlossBall(Picture& p);
void drawMatteBall(Picture& p);
void drawRaise(Picture& p);
void drawLower(Picture& p);
void drawClipboard(Picture& p);

// Shared pieces.
namespace ink {
inline constexpr Rgb kOutline{52, 47, 43};
inline constexpr Rgb kWood{206, 146, 82};
inline constexpr Rgb kWoodDark{160, 104, 52};
inline constexpr Rgb kMetal{206, 212, 220};
inline constexpr Rgb kMetalDark{128, 137, 150};
inline constexpr Rgb kPaintRed{222, 66, 42};
inline constexpr Rgb kPaintBlue{44, 98, 198};
inline constexpr Rgb kPaintYellow{244, 194, 50};
inline constexpr Rgb kWhite{252, 251, 249};
inline constexpr float kOutlineWidth = 1.0f;
}  // namespace ink

// A straight piece from a to b whose half width runs from wa to wb: handles, ferrules.
Shape bar(Point a, Point b, float wa, float wb);
// A four-pointed glint centred on (cx, cy).
Shape sparkle(float cx, float cy, float radius);

}  // namespace dw::artwork
