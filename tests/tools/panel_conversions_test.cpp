#include <gtest/gtest.h>

#include "tools/slider_conversions.h"

namespace dw {
namespace {

TEST(SliderConversionTest, EndsOfTheSlidersGiveTheEndsOfTheSettings) {
    EXPECT_EQ(sizeFromSlider(0.0f), 1);
    EXPECT_EQ(sizeFromSlider(100.0f), 100);
    EXPECT_EQ(amountFromSlider(0.0f), 0.01f);
    EXPECT_EQ(amountFromSlider(100.0f), 1.0f);
    EXPECT_EQ(glossFromSlider(100.0f), 255);  // 2.55 x 100 rounded to float before truncating
    EXPECT_EQ(glossFromSlider(50.0f), 127);
    EXPECT_EQ(thicknessFromSlider(90.0f), 10.0f);
    EXPECT_EQ(sliderFromThickness(10.0f), 90.0f);
    EXPECT_EQ(sliderFromSize(30), 30.0f);
    EXPECT_EQ(sliderFromAmount(0.5f), 50.0f);
    EXPECT_FLOAT_EQ(sliderFromGloss(255), 100.0f);
}

}  // namespace
}  // namespace dw
