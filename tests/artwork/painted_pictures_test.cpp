#include <gtest/gtest.h>

#include "canvas/canvas.h"
#include "resources/artwork/impasto.h"
#include "resources/artwork/program_icon.h"

namespace dw::artwork {
namespace {

class PreviewBrush : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.create(40, 40);
        style = Picture(200, 200, grey(37));
        brush.red = 10;
        brush.green = 120;
        brush.blue = 230;
        brush.size = 6;
        brush.amount = 1.0f;
        brush.thickness = 4.0f;
        brush.gloss = 90;
        brush.hardness = 100;
        brush.style = &style;
    }
    Canvas canvas;
    Picture style;
    ImpastoBrush brush;
};

// The previews are only worth judging if they paint as the program's Paint Brush does: at
// full strength the centre cell takes the brush exactly and rises by half the thickness.
TEST_F(PreviewBrush, FullStrengthDabTakesTheBrushAtItsCentre) {
    canvas.cellForWriting(20, 20).height = 1.5f;
    ImpastoPainter painter(canvas);
    painter.dab(20, 20, brush);
    const CanvasCell& c = canvas.at(20, 20);
    EXPECT_EQ(c.red, 10);
    EXPECT_EQ(c.green, 120);
    EXPECT_EQ(c.blue, 230);
    EXPECT_EQ(c.paint, 37);
    EXPECT_EQ(c.gloss, 90);
    EXPECT_FLOAT_EQ(c.height, 1.5f + 2.0f);
    // The square visited is x - r .. x + r - 1: the hard disc of radius r / sqrt 2 stays in it.
    EXPECT_EQ(canvas.at(20 + 6, 20).red, 255);
    EXPECT_EQ(canvas.at(20 - 5, 20).red, 255);
}

TEST_F(PreviewBrush, BlackTextureTakesNoPaint) {
    const Picture black(200, 200, grey(0));
    brush.texture = &black;
    ImpastoPainter painter(canvas);
    painter.dab(20, 20, brush);
    EXPECT_EQ(canvas.at(20, 20).red, 255);
    EXPECT_FLOAT_EQ(canvas.at(20, 20).height, 0.0f);
}

TEST(ProgramIcon, RoundedPlateIsOpaqueInsideAndClearAtTheCorners) {
    for (int side : {16, 48}) {
        const TransparentPicture icon = programIcon(side);
        ASSERT_EQ(icon.colour.width(), side);
        ASSERT_EQ(icon.alpha.size(), std::size_t(side) * side);
        EXPECT_EQ(icon.alpha[0], 0) << side;
        EXPECT_EQ(icon.alpha[std::size_t(side) * side - 1], 0) << side;
        EXPECT_EQ(icon.alpha[std::size_t(side / 2) * side + side / 2], 255) << side;
    }
}

TEST(CanvasCursor, HotspotIsTheVisibleCentre) {
    const TransparentPicture cursor = canvasCursor();
    ASSERT_EQ(cursor.colour.width(), 32);
    const std::size_t hotspot = std::size_t(kCursorHotspot) * 32 + kCursorHotspot;
    EXPECT_EQ(cursor.alpha[hotspot], 255);
    EXPECT_EQ(cursor.alpha[0], 0);
    // Symmetric about the hotspot, so the ring centres on it.
    for (int d = 1; d < 14; ++d) {
        EXPECT_EQ(cursor.alpha[std::size_t(kCursorHotspot) * 32 + kCursorHotspot + d],
                  cursor.alpha[std::size_t(kCursorHotspot) * 32 + kCursorHotspot - d])
            << d;
    }
}

}  // namespace
}  // namespace dw::artwork
