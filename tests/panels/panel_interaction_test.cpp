// The tools, brush properties, styles and colours panels driven through the main loop.
#include "files/image_store.h"
#include "tests/panels/panel_fixture.h"
#include "widgets/panel_layout.h"

namespace dw::test {
namespace {

class InteractionTest : public PanelTest {
  protected:
    InteractionTest() { startUp(); }

    // Presses at (x, y), moves to each further point, then releases; one pass each.
    void drag(WindowId window, std::initializer_list<layout::Spot> path) {
        const layout::Spot first = *path.begin();
        send(window, MessageKind::PointerMove, first.x, first.y);
        send(window, MessageKind::LeftButtonDown, first.x, first.y);
        for (const layout::Spot& to : path) {
            send(window, MessageKind::PointerMove, to.x, to.y);
        }
        send(window, MessageKind::LeftButtonUp, 0, 0);
    }
    static layout::Spot on(const layout::SliderSpot& slider, int offset) {
        return {slider.x + offset, slider.y};
    }
    Pixel swatch() {
        return pixel(WindowId::Colours, layout::kSwatch.x + 9, layout::kSwatch.y + 9);
    }
};

TEST_F(InteractionTest, AToolButtonChoosesTheToolAndTheControlsItUses) {
    click(WindowId::Tools, 10, 50);
    EXPECT_EQ(state.brush.tool, ToolId::SprayPaint);
    EXPECT_EQ(windows.captions.back().second, " Brush Properties: Spray Paint");
    const float thickness = state.brush.thickness;
    drag(WindowId::Properties, {on(layout::kThicknessSlider, 10), on(layout::kGlossSlider, 50)});
    EXPECT_EQ(state.brush.thickness, thickness);  // hidden: not dragged
    drag(WindowId::Properties, {on(layout::kGlossSlider, 100)});
    EXPECT_EQ(state.brush.glossLevel, 255);

    click(WindowId::Tools, 40, 80);
    EXPECT_EQ(state.brush.tool, ToolId::Finger);
    const uint8_t style = state.brush.paintStyle;
    click(WindowId::Styles, 20, 30);
    EXPECT_EQ(state.brush.paintStyle, style);  // the Finger lays no paint style
    click(WindowId::Styles, layout::styleTabX(1) + 10, 8);
    click(WindowId::Styles, 280, 30);
    EXPECT_EQ(state.brush.texture, 9);
}

TEST_F(InteractionTest, ASliderKeepsTheDragAndSetsOnlyItsOwnSetting) {
    state.brush.glossLevel = 15;  // comes back from its slider as 14
    state.propertiesRefresh = true;
    passes(1);
    drag(WindowId::Properties,
         {on(layout::kSizeSlider, 50), on(layout::kGlossSlider, 90), on(layout::kSizeSlider, 80)});
    EXPECT_EQ(state.brush.size, 80);
    EXPECT_EQ(state.brush.glossLevel, 15);
    drag(WindowId::Properties, {on(layout::kGlossSlider, 100)});  // the release let go
    EXPECT_EQ(state.brush.glossLevel, 255);
}

TEST_F(InteractionTest, TheSampleStrokeFollowsASliderOn26PassesLater) {
    send(WindowId::Properties, MessageKind::PointerMove, layout::kSizeSlider.x + 50,
         layout::kSizeSlider.y);
    send(WindowId::Properties, MessageKind::LeftButtonDown, 0, 0);
    send(WindowId::Properties, MessageKind::LeftButtonUp, 0, 0);  // its pass moves the slider
    ASSERT_EQ(state.brush.size, 50);
    const auto samples = [this] {
        return std::count_if(
            windows.repaints.begin(), windows.repaints.end(),
            [](const auto& repaint) { return repaint.first == WindowId::Properties; });
    };
    windows.repaints.clear();
    passes(24);
    EXPECT_EQ(samples(), 0);
    passes(1);
    EXPECT_EQ(samples(), 1);
    EXPECT_FALSE(state.propertiesRefresh);
}

TEST_F(InteractionTest, TheColourComesFromThePictureOrOneSliderAtATime) {
    Surface colours;
    LoadPackedImage(colours, "colors", "WorkData/");
    const Pixel expected = colours.getPixel(10, 5);
    drag(WindowId::Colours, {{layout::kPickOrigin.x + 10, layout::kPickOrigin.y + 5}});
    EXPECT_EQ((Pixel{state.brush.red, state.brush.green, state.brush.blue}), expected);
    EXPECT_EQ(swatch(), expected);

    state.brush = BrushSettings{};
    drag(WindowId::Colours, {{layout::kPickOrigin.x + int(colours.width()), 80}});
    EXPECT_EQ(state.brush.red, 0);
    EXPECT_EQ(state.brush.green, 200);

    state.brush.red = 15;
    drag(WindowId::Colours, {on(layout::kGreenSlider, 70)});
    EXPECT_EQ(state.brush.green, 127);
    EXPECT_EQ(state.brush.red, 15);

    state.brush.blue = 77;
    state.colourPicked = true;  // the Eye Dropper
    passes(1);
    EXPECT_EQ(swatch(), (Pixel{15, 127, 77}));
}

TEST_F(InteractionTest, TheStylesPanelPicksFromItsPagesAndSetsTheHardness) {
    click(WindowId::Styles, 5 + 3 * 30 + 10, 19 + 30 + 10);
    EXPECT_EQ(state.brush.paintStyle, 12);
    click(WindowId::Styles, layout::styleTabX(1) + 10, 8);
    click(WindowId::Styles, 10, 90);
    EXPECT_EQ(state.brush.texture, 17);
    EXPECT_EQ(state.brush.paintStyle, 12);

    click(WindowId::Styles, layout::styleTabX(2) + 10, 8);
    // The profile's flat top widens with the hardness, over icon column 15 at 50.
    const int topX = layout::kProfileIcon.x + 15;
    const int topY = layout::kProfileIcon.y + 5;
    EXPECT_EQ(pixel(WindowId::Styles, topX, topY).red, 255);
    drag(WindowId::Styles, {on(layout::kHardnessSlider, 56)});
    EXPECT_EQ(state.brush.hardness, 50);  // 56 / 110 of the way: 50.9
    EXPECT_EQ(pixel(WindowId::Styles, topX, topY).red, 0);
    click(WindowId::Styles, 10, 30);
    EXPECT_EQ(state.brush.texture, 17);
}

}  // namespace
}  // namespace dw::test
