#include "widgets/button_set.h"

#include <gtest/gtest.h>

#include "canvas/surface.h"

namespace dw {
namespace {

constexpr PointerPress kDown = PointerPress::Down;
constexpr PointerPress kUp = PointerPress::Up;

Surface solid(uint32_t width, uint32_t height, uint8_t red) {
    Surface picture;
    picture.create(width, height);
    picture.tintRect(0, 0, int(width), int(height), red, 0, 0, 0);
    return picture;
}

class ButtonSetTest : public ::testing::Test {
  protected:
    void place(int index, int x, int y, ButtonKind kind) {
        SetUpButton(set, index, x, y, {normal, hover, pressed}, 0, kind);
    }

    Surface normal = solid(60, 20, 10);
    Surface hover = solid(60, 20, 20);
    Surface pressed = solid(60, 20, 30);
    ButtonSet set;
};

TEST_F(ButtonSetTest, PushButtonClicksOnlyWhenReleasedOverItRightAndBottomEdgesIncluded) {
    place(0, 30, 100, ButtonKind::Push);
    for (int x : {30, 60, 90}) {
        UpdateButtons(set, x, 120, kDown);
        EXPECT_EQ(UpdateButtons(set, x, 120, kUp), 0) << x;
    }
    for (const auto& [x, y] : {std::pair{91, 110}, std::pair{60, 121}}) {
        UpdateButtons(set, x, y, kDown);
        EXPECT_EQ(UpdateButtons(set, x, y, kUp), kNoButton) << x << "," << y;
    }
    EXPECT_EQ(UpdateButtons(set, 35, 105, kDown), kNoButton);
    EXPECT_EQ(set[0].state, ButtonState::Pressed);
    EXPECT_EQ(UpdateButtons(set, 200, 200, kDown), kNoButton);  // dragged off
    EXPECT_EQ(UpdateButtons(set, 35, 105, kUp), kNoButton);     // released back over it
    EXPECT_EQ(set[0].state, ButtonState::Hover);
}

// Overlapping buttons leave the pointer to the lower index; a repeat button reports while
// held, an inert one never.
TEST_F(ButtonSetTest, RepeatReportsWhileHeldInertNeverAndTheLowerIndexWins) {
    place(3, 0, 0, ButtonKind::Repeat);
    place(7, 10, 0, ButtonKind::Repeat);
    place(1, 0, 30, ButtonKind::Inert);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(UpdateButtons(set, 20, 5, kDown), 3);
    }
    EXPECT_EQ(set[7].state, ButtonState::Normal);
    EXPECT_EQ(UpdateButtons(set, 20, 5, kUp), kNoButton);
    set[3].enabled = false;
    EXPECT_EQ(UpdateButtons(set, 20, 5, kDown), 7);
    UpdateButtons(set, 20, 5, kUp);
    EXPECT_EQ(UpdateButtons(set, 5, 35, kDown), kNoButton);
    EXPECT_EQ(set[1].state, ButtonState::Normal);
}

TEST_F(ButtonSetTest, ToggleFlipsOncePerPress) {
    place(0, 0, 0, ButtonKind::Toggle);
    EXPECT_EQ(UpdateButtons(set, 5, 5, kDown), 0);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(UpdateButtons(set, 5, 5, kDown), kNoButton);
    }
    EXPECT_EQ(set[0].state, ButtonState::Pressed);
    UpdateButtons(set, 5, 5, kUp);
    EXPECT_EQ(set[0].state, ButtonState::Pressed);  // on stays on
    EXPECT_EQ(UpdateButtons(set, 5, 5, kDown), 0);
    EXPECT_EQ(set[0].state, ButtonState::Normal);
    UpdateButtons(set, 5, 5, kUp);
    EXPECT_EQ(set[0].state, ButtonState::Hover);
    // Released elsewhere, it still takes the next press.
    UpdateButtons(set, 5, 5, kDown);
    UpdateButtons(set, 200, 5, kDown);
    UpdateButtons(set, 200, 5, kUp);
    EXPECT_EQ(UpdateButtons(set, 5, 5, kDown), 0);
    EXPECT_EQ(set[0].state, ButtonState::Normal);
}

TEST_F(ButtonSetTest, DrawsThePictureOfEachStateAndIgnoresBadIndices) {
    place(0, 0, 0, ButtonKind::Toggle);
    place(1, 0, 20, ButtonKind::Push);
    place(64, 0, 40, ButtonKind::Push);
    place(-1, 0, 40, ButtonKind::Push);
    UpdateButtons(set, 1, 1, kDown);
    Surface image = solid(60, 60, 0);
    DrawButtonsToImage(set, image);
    EXPECT_EQ(image.getPixel(59, 19).red, 30);
    EXPECT_EQ(image.getPixel(59, 39).red, 10);
    EXPECT_EQ(image.getPixel(0, 40).red, 0);
}

}  // namespace
}  // namespace dw
