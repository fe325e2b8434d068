#include <gtest/gtest.h>

#include "tools/stroke_driver.h"

namespace dw {
namespace {

class StrokeDriverTest : public ::testing::Test {
  protected:
    StrokeDriverTest() { canvas.create(4, 4); }

    StrokeRecords records() { return {current, modifiers, strokeSettings, footprint}; }
    // BeginStroke, then the first movement, which only sets the length to 0.
    void begin() {
        BeginStroke(canvas, records());
        StrokeStep(canvas, 7, 7, records());
    }
    void buildFootprint() { BuildFootprint(footprint, strokeSettings); }

    Canvas canvas;
    BrushSettings current;
    StrokeModifiers modifiers;
    BrushSettings strokeSettings;
    BrushFootprint footprint;
};

TEST_F(StrokeDriverTest, ARestingBrushStopsButSprayAndKnifeKeepWorking) {
    for (ToolId tool : {ToolId::PaintBrush, ToolId::SprayPaint, ToolId::Knife, ToolId::Finger}) {
        current.tool = tool;
        begin();
        buildFootprint();
        StrokeStep(canvas, 0, 0, records());
        const bool keeps = tool == ToolId::SprayPaint || tool == ToolId::Knife;
        EXPECT_EQ(strokeSettings.amount, keeps ? 0.5f : 0.0f) << int(tool);
        EXPECT_FALSE(footprint.valid());
        StrokeStep(canvas, 1, 0, records());
        EXPECT_EQ(strokeSettings.amount, 0.5f);
    }
}

TEST_F(StrokeDriverTest, FadeAmountReachesZeroAtItsLength) {
    modifiers.fadeAmount = 1;
    modifiers.fadeAmountLength = 0.5f;  // raised to 1 and stored back
    begin();
    StrokeStep(canvas, 5, 0, records());  // L = 0.5
    EXPECT_EQ(modifiers.fadeAmountLength, 1.0f);
    EXPECT_FLOAT_EQ(strokeSettings.amount, 0.25f);
    StrokeStep(canvas, 50, 0, records());
    EXPECT_EQ(strokeSettings.amount, 0.0f);
}

TEST_F(StrokeDriverTest, FadeSizeReachesOneAfterAThousandPixels) {
    modifiers.fadeSize = 1;
    begin();
    buildFootprint();
    StrokeStep(canvas, 300, 400, records());  // L = 50
    EXPECT_EQ(strokeSettings.size, 15);
    EXPECT_FALSE(footprint.valid());
    StrokeStep(canvas, 300, 400, records());  // L = 100
    EXPECT_EQ(strokeSettings.size, 1);
    EXPECT_EQ(current.size, 30);
}

TEST_F(StrokeDriverTest, WaveNarrowsTheFadedSizeByItsDepthWhereTheCosineIsOne) {
    modifiers.wave = 1;
    modifiers.waveDepth = 50.0f;
    begin();  // L = 0: cos 0 = 1
    EXPECT_EQ(modifiers.wavePeriod, 1.0f);
    EXPECT_EQ(strokeSettings.size, 15);
    StrokeStep(canvas, 10, 0, records());  // L = 1: |cos 4.4| = 0.30733
    EXPECT_EQ(strokeSettings.size, 25);
    modifiers.fadeSize = 1;
    StrokeStep(canvas, 300, 390, records());  // L = 50.2: faded to 14, |cos 220.9| = 0.5532
    EXPECT_EQ(strokeSettings.size, 10);
}

TEST(OffsetsTest, DriftMovesTheGrainByTheSignedSquareOfTheMovement) {
    // k1 = (16838 mod 100) x 0.001, k2 = (5758 mod 100) x 0.0016666667; from (10, 10) to
    // (13, 8): sx = -9, sy = 4.
    RandomGenerator random(1);
    SamplingOffsets offsets;
    DriftOffsets(offsets, random, 10, 10, 13, 8);
    EXPECT_FLOAT_EQ(offsets.styleOffsetX, 0.342f);
    EXPECT_FLOAT_EQ(offsets.styleOffsetY, -0.152f);
    EXPECT_FLOAT_EQ(offsets.textureOffsetX, 0.87f);
    EXPECT_FLOAT_EQ(offsets.textureOffsetY, -0.38666669f);
    EXPECT_EQ(random.next(), 10113);
}

}  // namespace
}  // namespace dw
