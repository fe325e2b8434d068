#include "resources/artwork/panel_art.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;

namespace {

constexpr Rgb kHint{118, 112, 105};

void labelBox(Picture& p, const layout::Spot& box, std::string_view label) {
    drawWell(p, box.x - 1, box.y - 1, box.x + layout::kEditWidth + 1,
             box.y + layout::kEditHeight + 1, Rgb{255, 255, 255});
    drawTextRightAligned(p, box.x - 8, box.y + 4, label, kText);
    drawText(p, box.x + layout::kEditWidth + 7, box.y + 4, "pixels", kHint);
}

// A small canvas with its two dimensions marked.
void drawCanvasSign(Picture& p) {
    const Rgb ink = kTextSoft;
    fill(p, roundedBox(17.0f, 30.0f, 43.0f, 60.0f, 1.5f), kLineDark);
    fill(p, roundedBox(18.0f, 31.0f, 42.0f, 59.0f, 1.0f), Rgb{252, 251, 249});
    fill(p, capsule({17.0f, 24.0f}, {43.0f, 24.0f}, 0.55f), ink);
    fill(p, polygon({{15.5f, 24.0f}, {19.5f, 21.5f}, {19.5f, 26.5f}}), ink);
    fill(p, polygon({{44.5f, 24.0f}, {40.5f, 21.5f}, {40.5f, 26.5f}}), ink);
    fill(p, capsule({11.0f, 30.0f}, {11.0f, 60.0f}, 0.55f), ink);
    fill(p, polygon({{11.0f, 28.5f}, {8.5f, 32.5f}, {13.5f, 32.5f}}), ink);
    fill(p, polygon({{11.0f, 61.5f}, {8.5f, 57.5f}, {13.5f, 57.5f}}), ink);
}

}  // namespace

Picture newImagePicture() {
    Picture p(layout::kNewImageWidth, layout::kNewImageHeight, kPanel);
    drawCanvasSign(p);
    labelBox(p, layout::kWidthBox, "Width");
    labelBox(p, layout::kHeightBox, "Height");
    drawTextCentred(p, layout::kNewImageWidth / 2, 79, "Each side from 1 to 5000 pixels", kHint);
    drawRule(p, 10, layout::kNewImageWidth - 10, 92);
    return p;
}

Picture dialogButtonPicture(std::string_view label, ButtonLook look) {
    return pushButton(layout::kDialogButtonWidth, layout::kDialogButtonHeight, label, look);
}

}  // namespace dw::artwork
