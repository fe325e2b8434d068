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

// The modifiers' curves are pinned by the golden strokes; lengths below one would divide the
// stroke by next to nothing, and a fade ends at nothing, not below.
TEST_F(StrokeDriverTest, ModifierLengthsBelowOneAreRaisedToOneAndFadesStopAtNothing) {
    modifiers = {1, 1, 1, 0, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f};
    begin();
    StrokeStep(canvas, 5, 0, records());
    for (const float stored : {modifiers.fadeAmountLength, modifiers.fadeSizeLength,
                               modifiers.waveDepth, modifiers.wavePeriod}) {
        EXPECT_EQ(stored, 1.0f);
    }
    EXPECT_FLOAT_EQ(strokeSettings.amount, 0.25f);
    modifiers.wave = 0;
    StrokeStep(canvas, 100, 0, records());  // far past both fades
    EXPECT_EQ(strokeSettings.amount, 0.0f);
    EXPECT_EQ(strokeSettings.size, 1);
}

}  // namespace
}  // namespace dw
