#pragma once

namespace dw::artwork::layout {

// Where the program places its controls; the backgrounds are drawn around these.

struct Spot {
    int x;
    int y;
};
struct SliderSpot {
    int x;
    int y;
    int length;
};

// Tools panel: 68 wide, 3 x (header height + 2) + 226 high.
inline constexpr int kToolsWidth = 68;
inline constexpr int kToolHeaderWidth = 64;
inline constexpr int kToolHeaderHeight = 14;
inline constexpr int kToolsHeight = 3 * (kToolHeaderHeight + 2) + 226;
inline constexpr int kToolColumnLeft = 2;
inline constexpr int kToolColumnRight = 34;

// Brush properties panel; the styles panel covers it from row 160 down.
inline constexpr int kPropertiesWidth = 280;
inline constexpr int kPropertiesHeight = 240;
inline constexpr int kPropertiesVisibleHeight = 160;
inline constexpr Spot kPreview{10, 12};
inline constexpr int kPreviewSide = 128;
inline constexpr SliderSpot kSizeSlider{160, 30, 100};
inline constexpr SliderSpot kThicknessSlider{160, 54, 100};
inline constexpr SliderSpot kGlossSlider{160, 78, 100};
inline constexpr SliderSpot kAmountSlider{160, 116, 100};

// Styles panel, 280 x 80: tabs on top, a grid of 29 x 29 thumbnails at pitch 30.
inline constexpr int kStylesWidth = 280;
inline constexpr int kStylesHeight = 80;
inline constexpr int kTabTop = 1;
inline constexpr int kTabHeight = 17;
inline constexpr int kPageTop = 18;
inline constexpr int kStyleTabWidth = 60;
inline constexpr Spot kGridOrigin{5, 19};
inline constexpr int kGridPitch = 30;
inline constexpr int kThumbnailSide = 29;
inline constexpr SliderSpot kHardnessSlider{90, 54, 110};
inline constexpr Spot kProfileIcon{4, 22};
inline constexpr int kProfileSide = 54;
// Tabs follow the palette panel's rule: each next tab starts at the previous x + width - 1,
// sharing one border column.
inline constexpr int styleTabX(int index) {
    return 3 + index * (kStyleTabWidth - 1);
}

// Slider knob.
inline constexpr int kKnobWidth = 6;
inline constexpr int kKnobHeight = 12;

// Colours panel, 205 x 94.
inline constexpr int kColoursWidth = 205;
inline constexpr int kColoursHeight = 94;
inline constexpr Spot kSwatch{6, 7};
inline constexpr int kSwatchSide = 20;
inline constexpr SliderSpot kRedSlider{50, 10, 140};
inline constexpr SliderSpot kGreenSlider{50, 32, 140};
inline constexpr SliderSpot kBlueSlider{50, 54, 140};
inline constexpr Spot kPickOrigin{4, 76};
inline constexpr int kPickWidth = 197;
inline constexpr int kPickHeight = 16;

// Palette panel, 280 x 200.
inline constexpr int kPaletteWidth = 280;
inline constexpr int kPaletteHeight = 200;
inline constexpr int kPaletteTabWidth = 64;
inline constexpr Spot kBrushesTab{3, 1};
inline constexpr Spot kStrokesTab{kPaletteTabWidth + 2, 1};
inline constexpr Spot kBrushGrid{5, 19};
inline constexpr int kBrushPitch = 30;
inline constexpr int kBrushRows = 5;
inline constexpr int kBrushColumns = 9;
inline constexpr Spot kStrokeColumn{5, 19};
inline constexpr int kStrokeWidth = 132;
inline constexpr int kStrokeHeight = 15;
inline constexpr int kStrokeSlots = 10;
inline constexpr int kStrokesStripTop = 18;
inline constexpr int kStrokesStripHeight = 158;
inline constexpr Spot kFadeAmountSwitch{144, 27};
inline constexpr Spot kFadeSizeSwitch{144, 51};
inline constexpr Spot kWaveSwitch{144, 75};
inline constexpr int kSwitchSide = 13;
inline constexpr SliderSpot kFadeAmountSlider{170, 45, 100};
inline constexpr SliderSpot kFadeSizeSlider{170, 69, 100};
inline constexpr SliderSpot kWavePhaseSlider{180, 111, 90};
inline constexpr SliderSpot kWavePeriodSlider{180, 135, 90};
inline constexpr SliderSpot kWaveDepthSlider{180, 159, 90};
inline constexpr Spot kSaveListButton{8, 178};
inline constexpr Spot kLoadListButton{78, 178};
inline constexpr Spot kDeleteButton{213, 178};
inline constexpr Spot kAddButton{245, 178};
inline constexpr int kListButtonWidth = 66;
inline constexpr int kIconButtonWidth = 30;
inline constexpr int kBottomButtonHeight = 18;

// New Image panel, 234 x 149.
inline constexpr int kNewImageWidth = 234;
inline constexpr int kNewImageHeight = 149;
inline constexpr Spot kWidthBox{90, 22};
inline constexpr Spot kHeightBox{90, 52};
inline constexpr int kEditWidth = 40;
inline constexpr int kEditHeight = 16;
inline constexpr Spot kOkButton{30, 100};
inline constexpr Spot kCancelButton{130, 100};
inline constexpr int kDialogButtonWidth = 74;
inline constexpr int kDialogButtonHeight = 24;

// Splash and About.
inline constexpr int kSplashWidth = 520;
inline constexpr int kSplashHeight = 320;

}  // namespace dw::artwork::layout
