#include <cmath>

#include "resources/artwork/panel_art.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;
using layout::SliderSpot;

namespace {

constexpr Rgb kHint{128, 122, 114};

// Labels sit above a slider track, clear of the knob that rises 5 rows above it.
void labelSlider(Picture& p, const SliderSpot& s, std::string_view label) {
    drawText(p, s.x, s.y - 13, label, kText);
    drawSliderBed(p, s.x, s.y, s.length);
}

// Small end marks on either side of a slider: what the low and the high end do.
Point lowEnd(const SliderSpot& s) {
    return {float(s.x) - 11.0f, float(s.y) + 1.0f};
}
Point highEnd(const SliderSpot& s) {
    return {float(s.x + s.length) + 11.0f, float(s.y) + 1.0f};
}

void drawSizeMarks(Picture& p, const SliderSpot& s) {
    const Point a = lowEnd(s);
    const Point b = highEnd(s);
    fill(p, circle(a.x, a.y, 1.6f), kHint, 1.0f, around(a, 6.0f));
    fill(p, circle(b.x, b.y, 4.2f), kHint, 1.0f, around(b, 6.0f));
}

void drawThicknessMarks(Picture& p, const SliderSpot& s) {
    const Point a = lowEnd(s);
    const Point b = highEnd(s);
    fill(p, roundedBox(a.x - 5.0f, a.y + 1.0f, a.x + 5.0f, a.y + 3.0f, 1.0f), kHint, 1.0f,
         around(a, 7.0f));
    fill(p,
         intersect(ellipse(b.x, b.y + 3.0f, 5.5f, 6.0f),
                   roundedBox(b.x - 6.0f, b.y - 4.0f, b.x + 6.0f, b.y + 3.0f, 0.0f)),
         kHint, 1.0f, around(b, 8.0f));
}

void drawGlossMarks(Picture& p, const SliderSpot& s) {
    const Point a = lowEnd(s);
    const Point b = highEnd(s);
    fill(p, circle(a.x, a.y, 4.0f), kHint, 1.0f, around(a, 6.0f));
    fill(p, circle(b.x, b.y, 4.0f), kHint, 1.0f, around(b, 6.0f));
    fill(p, rotated(ellipse(b.x - 1.4f, b.y - 1.5f, 1.7f, 1.0f), -40.0f, b.x - 1.4f, b.y - 1.5f),
         kHighlight, 1.0f, around(b, 6.0f));
}

void drawAmountMarks(Picture& p, const SliderSpot& s) {
    const Point a = lowEnd(s);
    const Point b = highEnd(s);
    fill(p, circle(a.x, a.y, 4.0f), kHint, 0.3f, around(a, 6.0f));
    fill(p, circle(b.x, b.y, 4.0f), kHint, 1.0f, around(b, 6.0f));
}

}  // namespace

Picture propertiesPicture() {
    Picture p(layout::kPropertiesWidth, layout::kPropertiesHeight, kPanel);
    const int x = layout::kPreview.x;
    const int y = layout::kPreview.y;
    const int side = layout::kPreviewSide;
    drawWell(p, x - 1, y - 1, x + side + 1, y + side + 1, Rgb{255, 255, 255});
    drawTextCentred(p, x + side / 2, y + side + 5, "Try the brush here", kHint);

    labelSlider(p, layout::kSizeSlider, "Size");
    drawSizeMarks(p, layout::kSizeSlider);
    labelSlider(p, layout::kThicknessSlider, "Thickness");
    drawThicknessMarks(p, layout::kThicknessSlider);
    labelSlider(p, layout::kGlossSlider, "Gloss");
    drawGlossMarks(p, layout::kGlossSlider);
    drawRule(p, 146, 276, 93);
    labelSlider(p, layout::kAmountSlider, "Amount");
    drawAmountMarks(p, layout::kAmountSlider);
    drawRule(p, 0, layout::kPropertiesWidth, layout::kPropertiesVisibleHeight - 2);
    return p;
}

Picture stylesTabPicture(std::string_view label, bool selected) {
    return tabButton(layout::kStyleTabWidth, layout::kTabHeight, label, selected);
}

Picture stylesPicture() {
    Picture p(layout::kStylesWidth, layout::kStylesHeight, kPanel);
    drawTabBar(p, layout::kPageTop);
    // Slots show where the thumbnails go, should a pattern picture be missing.
    for (int i = 0; i < 18; ++i) {
        const int sx = layout::kGridOrigin.x + (i % 9) * layout::kGridPitch;
        const int sy = layout::kGridOrigin.y + (i / 9) * layout::kGridPitch;
        drawWell(p, sx, sy, sx + layout::kThumbnailSide, sy + layout::kThumbnailSide);
    }
    return p;
}

Picture shapePicture() {
    const int top = layout::kPageTop;
    Picture p(layout::kStylesWidth, layout::kStylesHeight - top, kPanel);
    const int ix = layout::kProfileIcon.x;
    const int iy = layout::kProfileIcon.y - top;
    const int side = layout::kProfileSide;
    drawWell(p, ix - 1, iy - 1, ix + side + 1, iy + side + 1, Rgb{255, 255, 255});

    const SliderSpot s{layout::kHardnessSlider.x, layout::kHardnessSlider.y - top,
                       layout::kHardnessSlider.length};
    drawText(p, s.x, s.y - 13, "Hardness", kText);
    drawSliderBed(p, s.x, s.y, s.length);
    drawText(p, s.x, s.y + 10, "Soft", kHint);
    drawTextRightAligned(p, s.x + s.length, s.y + 10, "Hard", kHint);
    const Point soft = lowEnd(s);
    const Point hard = highEnd(s);
    for (int ring = 6; ring >= 1; --ring) {
        fill(p, circle(soft.x, soft.y, float(ring)), kHint, 0.22f, around(soft, 8.0f));
    }
    fill(p, circle(hard.x, hard.y, 4.5f), kHint, 1.0f, around(hard, 7.0f));
    return p;
}

Picture sliderKnobPicture() {
    // Drawn opaque over the track: the corners take the panel colour to look rounded.
    Picture p(layout::kKnobWidth, layout::kKnobHeight, kLineDark);
    const int w = layout::kKnobWidth;
    const int h = layout::kKnobHeight;
    for (int y = 1; y < h - 1; ++y) {
        const float t = float(y) / float(h - 1);
        p.fillRect(1, y, w - 1, y + 1, mix(Rgb{255, 255, 255}, Rgb{226, 222, 216}, t));
    }
    p.fillRect(2, 4, w - 2, 5, kLine);
    p.fillRect(2, 7, w - 2, 8, kLine);
    p.set(0, 0, kPanel);
    p.set(w - 1, 0, kPanel);
    p.set(0, h - 1, kPanel);
    p.set(w - 1, h - 1, kPanel);
    return p;
}

}  // namespace dw::artwork
