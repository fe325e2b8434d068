#include "widgets/slider.h"

#include <gtest/gtest.h>

namespace dw {
namespace {

constexpr PointerPress kDown = PointerPress::Down;

// A slider at x = 20, row 50, 100 long, with the drawn 6 x 12 knob.
class SliderTest : public ::testing::Test {
  protected:
    SliderTest() { SetUpSlider(slider, pictures, 20, 50, 100); }

    bool track(Slider& s, int x, int y = 50) { return TrackSlider(s, dragId, x, y, kDown); }

    SliderPictures pictures;
    Slider slider;
    int32_t dragId = 0;
};

TEST_F(SliderTest, TakesPressesTenPixelsBeyondTheKnobPictureAndClamps) {
    EXPECT_FLOAT_EQ(slider.value, 100.0f);
    EXPECT_TRUE(track(slider, 70));
    EXPECT_FLOAT_EQ(slider.value, 50.0f);
    EXPECT_TRUE(track(slider, 7));
    EXPECT_FLOAT_EQ(slider.value, 0.0f);
    EXPECT_TRUE(track(slider, 132));
    EXPECT_FLOAT_EQ(slider.value, 100.0f);
    for (int x : {5, 6, 133}) {
        dragId = 0;
        EXPECT_FALSE(track(slider, x)) << x;
    }
    EXPECT_TRUE(track(slider, 70, 44));
    EXPECT_FALSE(track(slider, 70, 56));
    EXPECT_FALSE(TrackSlider(slider, dragId, 70, 50, PointerPress::Up));

    // With a knob picture of its own, half of its 8 is 4 pixels either way, half of 4 is 2 rows.
    SliderPictures withTab;
    Surface tab;
    tab.create(8, 4);
    withTab.build(tab);
    Slider s;
    SetUpSlider(s, withTab, 0, 10, 50);
    dragId = 0;
    EXPECT_TRUE(TrackSlider(s, dragId, -14, 8, kDown));
    EXPECT_FALSE(TrackSlider(s, dragId, -15, 8, kDown));
    EXPECT_FALSE(TrackSlider(s, dragId, 0, 12, kDown));
}

TEST_F(SliderTest, TheSliderHoldingTheDragKeepsItAcrossAnother) {
    Slider below;
    SetUpSlider(below, pictures, 20, 60, 100);
    EXPECT_NE(below.id, slider.id);
    ASSERT_TRUE(track(slider, 40));
    EXPECT_FALSE(track(below, 90, 60));
    EXPECT_FLOAT_EQ(below.value, 100.0f);
    EXPECT_FALSE(track(slider, 90, 60));  // off its own track: nothing moves
    EXPECT_FLOAT_EQ(slider.value, 20.0f);
    dragId = 0;  // the drag ended
    EXPECT_TRUE(track(below, 90, 60));
}

TEST_F(SliderTest, DisabledSliderIgnoresThePointerAndDrawsGreyed) {
    slider.enabled = false;
    EXPECT_FALSE(track(slider, 70));
    Surface image;
    image.create(140, 70);
    slider.value = 50.0f;
    DrawSlider(slider, image);
    // Track rows 50 (black) and 51 (grey 128), each halfway to white; the knob from x 67 and
    // row 45 has a greyed black border and greyed 200 inside.
    const struct {
        uint32_t x, y;
        uint8_t red;
    } spots[] = {{20, 50, 127}, {20, 51, 191}, {66, 50, 127},  {67, 45, 127},
                 {68, 46, 227}, {67, 44, 0},   {119, 51, 191}, {120, 51, 0}};
    for (const auto& spot : spots) {
        EXPECT_EQ(image.getPixel(spot.x, spot.y).red, spot.red) << spot.x << "," << spot.y;
    }
}

}  // namespace
}  // namespace dw
