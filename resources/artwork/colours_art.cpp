#include <algorithm>
#include <cmath>

#include "resources/artwork/panel_art.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;

namespace {

// Columns of the pick picture given to the hue spectrum; the rest is a grey ramp.
constexpr int kSpectrumWidth = 173;
constexpr int kGreyStart = 177;

Rgb hueColour(float hue) {
    const float h = std::fmod(hue, 1.0f) * 6.0f;
    const float f = h - std::floor(h);
    switch (int(std::floor(h)) % 6) {
        case 0:
            return {255.0f, 255.0f * f, 0.0f};
        case 1:
            return {255.0f * (1.0f - f), 255.0f, 0.0f};
        case 2:
            return {0.0f, 255.0f, 255.0f * f};
        case 3:
            return {0.0f, 255.0f * (1.0f - f), 255.0f};
        case 4:
            return {255.0f * f, 0.0f, 255.0f};
        default:
            return {255.0f, 0.0f, 255.0f * (1.0f - f)};
    }
}

// Rows run from a pale tint through the pure hue (row 7) to near black.
Rgb shadeOfHue(Rgb hue, int row) {
    if (row <= 7) {
        return mix(Rgb{255, 255, 255}, hue, float(row + 1) / 8.0f);
    }
    return mix(hue, Rgb{0, 0, 0}, float(row - 7) / 9.0f);
}

void drawChannelRamp(Picture& p, const layout::SliderSpot& s, Rgb full) {
    for (int i = 0; i < s.length; ++i) {
        const Rgb c = scale(full, float(i) / float(s.length - 1));
        p.fillRect(s.x + i, s.y + 3, s.x + i + 1, s.y + 6, c);
    }
}

}  // namespace

Picture colourPickPicture() {
    Picture p(layout::kPickWidth, layout::kPickHeight, kPanel);
    for (int x = 0; x < kSpectrumWidth; ++x) {
        const Rgb hue = hueColour(float(x) / float(kSpectrumWidth));
        for (int y = 0; y < layout::kPickHeight; ++y) {
            p.set(x, y, shadeOfHue(hue, y));
        }
    }
    for (int y = 0; y < layout::kPickHeight; ++y) {
        const float v = 255.0f * (1.0f - float(y) / float(layout::kPickHeight - 1));
        p.fillRect(kGreyStart, y, layout::kPickWidth, y + 1, grey(v));
    }
    return p;
}

Picture coloursPanelPicture() {
    Picture p(layout::kColoursWidth, layout::kColoursHeight, kPanel);
    const int sx = layout::kSwatch.x;
    const int sy = layout::kSwatch.y;
    drawWell(p, sx - 1, sy - 1, sx + layout::kSwatchSide + 1, sy + layout::kSwatchSide + 1);

    const struct {
        const layout::SliderSpot& slider;
        const char* label;
        Rgb colour;
    } channels[] = {{layout::kRedSlider, "R", {214, 48, 40}},
                    {layout::kGreenSlider, "G", {40, 156, 64}},
                    {layout::kBlueSlider, "B", {44, 92, 210}}};
    for (const auto& channel : channels) {
        const layout::SliderSpot& s = channel.slider;
        drawText(p, s.x - 14, s.y - 3, channel.label, channel.colour, Weight::Bold);
        drawChannelRamp(p, s, channel.colour);
    }

    const int px = layout::kPickOrigin.x;
    const int py = layout::kPickOrigin.y;
    drawText(p, px, py - 12, "Pick a color", kTextSoft);
    drawWell(p, px - 1, py - 1, px + layout::kPickWidth + 1, py + layout::kPickHeight + 1);
    p.paste(colourPickPicture(), px, py);
    return p;
}

}  // namespace dw::artwork
