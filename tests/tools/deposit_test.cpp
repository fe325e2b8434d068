#include "tests/tools/tool_fixture.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

class DepositTest : public test::ToolTest {
  protected:
    DepositTest() {
        s.red = 10;
        s.green = 20;
        s.blue = 30;
        s.glossLevel = 99;
    }
    const CanvasCell& centre() { return canvas.at(4, 4); }
};

TEST_F(DepositTest, FullStrengthPaintBrushLaysExactlyTheBrushAndTheShiftedGrain) {
    setPattern(patterns->styles, 2, [](uint32_t x, uint32_t y) { return uint8_t(x + 3 * y); });
    // |trunc(-7.5) + 4| = 3 and |trunc(2.9) + 4| = 6: the absolute value, not a wrap to 197.
    offsets.styleOffsetX = -7.5f;
    offsets.styleOffsetY = 2.9f;
    canvas.cellForWriting(4, 4).height = 2.0f;
    dab(PaintBrush, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), {10, 20, 30, 21, 99, {}, 7.0f}));
    EXPECT_TRUE(test::sameCell(canvas.at(5, 4), kWhiteCell));
}

TEST_F(DepositTest, BlackTextureStopsThePaintBrushButNotTheTube) {
    s.texture = 5;  // an image that did not load reads 0 everywhere
    dab(PaintBrush, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), kWhiteCell));
    dab(TubePaint, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), {10, 20, 30, 0, 99, {}, 0.0f}));
}

TEST_F(DepositTest, OnlySprayWorksWithItsCentreOffTheCanvas) {
    s.size = 2;
    for (auto effect : {PaintBrush, TubePaint, Knife, GelBrush}) {
        dab(effect, -1, 4);
        EXPECT_TRUE(test::sameCell(canvas.at(0, 4), kWhiteCell));
    }
    dab(SprayPaint, -1, 4);
    EXPECT_NE(canvas.at(0, 4).red, 255);
}

TEST_F(DepositTest, PatternNumbersPastTheLastReadTheLastImage) {
    s.paintStyle = 200;
    s.texture = 250;
    setPattern(patterns->styles, 17, [](uint32_t, uint32_t) { return uint8_t(77); });
    setPattern(patterns->textures, 17, [](uint32_t, uint32_t) { return uint8_t(255); });
    dab(PaintBrush, 4, 4);
    EXPECT_EQ(centre().paint, 77);
    EXPECT_EQ(centre().red, 10);
}

TEST_F(DepositTest, SizesPastTheTableVisitOnlyTheLargestSquare) {
    canvas.create(301, 301);
    s.size = 5000;
    dab(PaintBrush, 150, 150);
    EXPECT_EQ(canvas.at(150, 85).red, 10);  // inside the disc of radius 70.7
    EXPECT_EQ(canvas.at(150, 40).red, 255);
    EXPECT_EQ(canvas.at(150, 0).red, 255);
}

}  // namespace
}  // namespace dw
