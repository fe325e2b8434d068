#include "resources/artwork/panel_art.h"
#include "resources/artwork/shapes.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;

namespace {

constexpr Rgb kHint{128, 122, 114};
constexpr Rgb kEmptySlot{221, 217, 211};
constexpr int kBottomRule = 172;

void drawBottomBar(Picture& p) {
    drawRule(p, 0, p.width(), kBottomRule);
}

// The stroke editor's switches lead to the sliders they enable.
void drawBracket(Picture& p, int x, int top, int bottom, std::initializer_list<int> rows, int toX) {
    p.fillRect(x, top, x + 1, bottom, kLine);
    for (int row : rows) {
        p.fillRect(x, row, toX, row + 1, kLine);
    }
}

}  // namespace

Picture paletteTabPicture(std::string_view label, bool selected) {
    return tabButton(layout::kPaletteTabWidth, layout::kTabHeight, label, selected);
}

Picture palettePicture() {
    Picture p(layout::kPaletteWidth, layout::kPaletteHeight, kPanel);
    drawTabBar(p, layout::kPageTop);
    for (int slot = 0; slot < layout::kBrushRows * layout::kBrushColumns; ++slot) {
        const float x =
            float(layout::kBrushGrid.x + (slot % layout::kBrushColumns) * layout::kBrushPitch);
        const float y =
            float(layout::kBrushGrid.y + (slot / layout::kBrushColumns) * layout::kBrushPitch);
        fill(p, roundedBox(x + 2.0f, y + 2.0f, x + 28.0f, y + 28.0f, 3.0f), kEmptySlot, 1.0f,
             {int(x), int(y), int(x) + 30, int(y) + 30});
    }
    drawBottomBar(p);
    return p;
}

Picture strokesPicture() {
    const int top = layout::kStrokesStripTop;
    Picture p(layout::kPaletteWidth, layout::kStrokesStripHeight, kPanel);
    // The column of sample strokes, in alternating bands like a list.
    const int cx = layout::kStrokeColumn.x;
    const int cy = layout::kStrokeColumn.y - top;
    for (int i = 0; i < layout::kStrokeSlots; ++i) {
        const int y = cy + i * layout::kStrokeHeight;
        p.fillRect(cx, y, cx + layout::kStrokeWidth, y + layout::kStrokeHeight,
                   i % 2 == 0 ? kFace : kEmptySlot);
    }
    p.fillRect(cx - 1, cy, cx, cy + layout::kStrokeSlots * layout::kStrokeHeight, kLine);
    p.fillRect(cx + layout::kStrokeWidth, cy, cx + layout::kStrokeWidth + 1,
               cy + layout::kStrokeSlots * layout::kStrokeHeight, kHighlight);
    p.fillRect(139, 2, 140, 152, kLine);
    p.fillRect(140, 2, 141, 152, kHighlight);

    const auto label = [&](const layout::Spot& sw, std::string_view text) {
        drawText(p, sw.x + layout::kSwitchSide + 4, sw.y - top + 3, text, kText);
    };
    label(layout::kFadeAmountSwitch, "Fade amount");
    label(layout::kFadeSizeSwitch, "Fade size");
    label(layout::kWaveSwitch, "Wave");
    // The fade sliders set the stroke length over which the fade runs.
    for (const layout::SliderSpot& s : {layout::kFadeAmountSlider, layout::kFadeSizeSlider}) {
        drawTextRightAligned(p, s.x + s.length, s.y - top - 15, "length", kHint);
    }

    const auto bed = [&](const layout::SliderSpot& s) {
        drawSliderBed(p, s.x, s.y - top, s.length);
    };
    bed(layout::kFadeAmountSlider);
    bed(layout::kFadeSizeSlider);
    // Each fade slider sets the stroke length over which its fade runs.
    const int sw = layout::kSwitchSide / 2;
    drawBracket(p, layout::kFadeAmountSwitch.x + sw, layout::kFadeAmountSwitch.y - top + 14,
                layout::kFadeAmountSlider.y - top + 1, {layout::kFadeAmountSlider.y - top},
                layout::kFadeAmountSlider.x - 5);
    drawBracket(p, layout::kFadeSizeSwitch.x + sw, layout::kFadeSizeSwitch.y - top + 14,
                layout::kFadeSizeSlider.y - top + 1, {layout::kFadeSizeSlider.y - top},
                layout::kFadeSizeSlider.x - 5);

    const layout::SliderSpot waves[] = {layout::kWavePhaseSlider, layout::kWavePeriodSlider,
                                        layout::kWaveDepthSlider};
    const char* waveLabels[] = {"Phase", "Period", "Depth"};
    for (int i = 0; i < 3; ++i) {
        drawText(p, waves[i].x, waves[i].y - top - 13, waveLabels[i], kText);
        bed(waves[i]);
    }
    drawBracket(p, layout::kWaveSwitch.x + sw, layout::kWaveSwitch.y - top + 14,
                layout::kWaveDepthSlider.y - top + 1,
                {layout::kWavePhaseSlider.y - top, layout::kWavePeriodSlider.y - top,
                 layout::kWaveDepthSlider.y - top},
                layout::kWavePhaseSlider.x - 5);
    return p;
}

Picture switchPicture(bool on) {
    const int side = layout::kSwitchSide;
    const float s = float(side);
    Picture p(side, side, kPanel);
    if (on) {
        fill(p, roundedBox(0.0f, 0.0f, s, s, 3.0f), Rgb{160, 66, 28});
        fill(p, roundedBox(1.0f, 1.0f, s - 1.0f, s - 1.0f, 2.2f), kAccent);
        const Shape tick = unite(capsule({3.4f, 6.8f}, {5.5f, 9.0f}, 0.95f),
                                 capsule({5.5f, 9.0f}, {9.8f, 3.9f}, 0.95f));
        fill(p, tick, Rgb{255, 255, 255});
    } else {
        fill(p, roundedBox(0.0f, 0.0f, s, s, 3.0f), kLineDark);
        fill(p, roundedBox(1.0f, 1.0f, s - 1.0f, s - 1.0f, 2.2f),
             linearGradient({0.0f, 1.0f}, Rgb{236, 233, 229}, {0.0f, s}, Rgb{255, 255, 255}));
    }
    return p;
}

Picture listButtonPicture(std::string_view label, ButtonLook look) {
    return pushButton(layout::kListButtonWidth, layout::kBottomButtonHeight, label, look);
}

Picture addButtonPicture(ButtonLook look) {
    Picture p(layout::kIconButtonWidth, layout::kBottomButtonHeight);
    drawButtonFace(p, look);
    const float shift = look == ButtonLook::Down ? 1.0f : 0.0f;
    const float cx = 15.0f + shift;
    const float cy = 8.5f + shift;
    fill(p,
         unite(capsule({cx - 4.5f, cy}, {cx + 4.5f, cy}, 1.1f),
               capsule({cx, cy - 4.5f}, {cx, cy + 4.5f}, 1.1f)),
         kText);
    return p;
}

Picture deleteButtonPicture(ButtonLook look) {
    Picture p(layout::kIconButtonWidth, layout::kBottomButtonHeight);
    drawButtonFace(p, look);
    const float d = look == ButtonLook::Down ? 1.0f : 0.0f;
    // A waste bin: lid, handle and a body with two grooves.
    fill(p, roundedBox(10.0f + d, 4.0f + d, 20.0f + d, 5.5f + d, 0.6f), kText);
    fill(p, ring(roundedBox(13.0f + d, 2.2f + d, 17.0f + d, 4.5f + d, 0.8f), 1.0f), kText);
    const Shape body = polygon({{11.0f + d, 6.5f + d},
                                {19.0f + d, 6.5f + d},
                                {18.2f + d, 15.0f + d},
                                {11.8f + d, 15.0f + d}});
    fill(p, body, kText);
    fill(p, capsule({13.8f + d, 8.5f + d}, {14.0f + d, 13.0f + d}, 0.45f), kFace);
    fill(p, capsule({16.2f + d, 8.5f + d}, {16.0f + d, 13.0f + d}, 0.45f), kFace);
    return p;
}

}  // namespace dw::artwork
