#pragma once

#include <cmath>
#include <iterator>
#include <string_view>

#include "tools/tool_id.h"

// Where the floating panels place their controls. The panels are laid out from this table and
// the artwork generator draws their backgrounds around it, so the two cannot disagree.
namespace dw::layout {

struct Spot {
    int x;
    int y;
};
struct SliderSpot {
    int x;
    int y;
    int length;
};
struct Area {
    int left;
    int top;
    int right;  // end-exclusive
    int bottom;

    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// Tools panel: a header picture above each group, then rows of two tool buttons.
inline constexpr int kToolsWidth = 68;
inline constexpr int kToolHeaderWidth = 64;
inline constexpr int kToolHeaderHeight = 14;
inline constexpr int kToolButtonWidth = 32;
inline constexpr int kToolButtonHeight = 28;
inline constexpr int kToolColumnLeft = 2;
inline constexpr int kToolColumnRight = 34;

struct ToolsRow {
    std::string_view header;  // a header picture, or empty for a row of two buttons
    int headerButton;         // the header's place in the button set
    ToolId left;
    ToolId right;
};

inline constexpr ToolsRow kToolsRows[] = {
    {"brushes", 21, {}, {}},
    {"", 0, ToolId::PaintBrush, ToolId::TubePaint},
    {"", 0, ToolId::SprayPaint, ToolId::GelBrush},
    {"", 0, ToolId::Knife, ToolId::Finger},
    {"", 0, ToolId::Sponge, ToolId::Eraser},
    {"tools", 20, {}, {}},
    {"", 0, ToolId::HandTool, ToolId::EyeDropper},
    {"effects", 19, {}, {}},
    {"", 0, ToolId::Brighten, ToolId::Darken},
    {"", 0, ToolId::Gloss, ToolId::Matte},
    {"", 0, ToolId::Raise, ToolId::Lower},
};
inline constexpr int kToolsRowCount = int(std::size(kToolsRows));

// Each row sits 2 pixels below the one before; a header that starts a new group 2 more.
constexpr int toolsRowTop(int row, int headerHeight, int buttonHeight) {
    int y = 0;
    for (int i = 0;; ++i) {
        const bool header = !kToolsRows[i].header.empty();
        if (header && i > 0) {
            y += 2;
        }
        if (i == row) {
            return y + 2;
        }
        y += header ? headerHeight : buttonHeight;
    }
}

// The panel ends 2 pixels below its last row of buttons.
inline constexpr int kToolsHeight =
    toolsRowTop(kToolsRowCount - 1, kToolHeaderHeight, kToolButtonHeight) + kToolButtonHeight + 2;

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
inline constexpr int kGridColumns = 9;
inline constexpr int kThumbnailSide = 29;
// Clicks count in a tenth column and below the second row too; the pick is capped instead.
inline constexpr Area kGridArea{5, 19, 285, 99};
inline constexpr SliderSpot kHardnessSlider{90, 54, 110};
inline constexpr Spot kProfileIcon{4, 22};
inline constexpr int kProfileSide = 54;
// Tabs follow the palette panel's rule: each next tab starts at the previous x + width - 1,
// sharing one border column.
inline constexpr int styleTabX(int index) {
    return 3 + index * (kStyleTabWidth - 1);
}

// Slider knob and where a slider draws it: centred on the value, one row below the track.
inline constexpr int kKnobWidth = 6;
inline constexpr int kKnobHeight = 12;
inline int knobLeft(const SliderSpot& slider, float value, int knobWidth) {
    return int(std::lround(value * 0.01f * float(slider.length) + float(slider.x) -
                           float(knobWidth) / 2.0f));
}
inline int knobTop(const SliderSpot& slider, int knobHeight) {
    return slider.y - knobHeight / 2 + 1;
}

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
inline constexpr int kBrushSlots = kBrushRows * kBrushColumns;
inline constexpr Area kBrushGridArea{kBrushGrid.x, kBrushGrid.y,
                                     kBrushGrid.x + kBrushColumns* kBrushPitch,
                                     kBrushGrid.y + kBrushRows* kBrushPitch};
inline constexpr Spot kStrokeColumn{5, 19};
inline constexpr int kStrokeWidth = 132;
inline constexpr int kStrokeHeight = 15;
inline constexpr int kStrokeSlots = 10;
inline constexpr Area kStrokeColumnArea{kStrokeColumn.x, kStrokeColumn.y,
                                        kStrokeColumn.x + kStrokeWidth,
                                        kStrokeColumn.y + kStrokeSlots* kStrokeHeight};
inline constexpr int kStrokesStripTop = 18;
inline constexpr int kStrokesStripHeight = 158;
// Greyed while the fixed first stroke is chosen.
inline constexpr Area kStrokeEditorArea{153, 18, 300, 168};
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

}  // namespace dw::layout
