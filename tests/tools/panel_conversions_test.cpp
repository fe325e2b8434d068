#include <gtest/gtest.h>

#include "tools/brush_fields.h"
#include "tools/slider_conversions.h"

namespace dw {
namespace {

TEST(SliderConversionTest, TheSlidersReachExactlyTheEndsOfTheirFields) {
    struct SliderField {
        const RecordField<BrushSettings>& field;
        double (*fromSlider)(float value);
    };
    const SliderField sliders[] = {
        {brush_field::kSize, [](float v) { return double(sizeFromSlider(v)); }},
        {brush_field::kAmount, [](float v) { return double(amountFromSlider(v)); }},
        {brush_field::kThickness, [](float v) { return double(thicknessFromSlider(v)); }},
        {brush_field::kGlossLevel, [](float v) { return double(glossFromSlider(v)); }},
        {brush_field::kHardness, [](float v) { return double(hardnessFromSlider(v)); }},
    };
    for (const SliderField& slider : sliders) {
        EXPECT_EQ(slider.fromSlider(0.0f), slider.field.low) << slider.field.name;
        EXPECT_EQ(slider.fromSlider(kSliderTop), slider.field.high) << slider.field.name;
    }
    EXPECT_EQ(glossFromSlider(50.0f), 127);
    EXPECT_EQ(thicknessFromSlider(90.0f), 10.0f);
    EXPECT_EQ(sliderFromThickness(10.0f), 90.0f);
    EXPECT_FLOAT_EQ(sliderFromGloss(255), 100.0f);
}

}  // namespace
}  // namespace dw
