#include "resources/artwork/theme.h"

#include "resources/artwork/shapes.h"

namespace dw::artwork {

using namespace colours;

void drawWell(Picture& picture, int x0, int y0, int x1, int y1, Rgb inside) {
    picture.fillRect(x0, y0, x1, y1, inside);
    picture.fillRect(x0, y0, x1, y0 + 1, kLineDark);
    picture.fillRect(x0, y0, x0 + 1, y1, kLineDark);
    picture.fillRect(x0, y1 - 1, x1, y1, kHighlight);
    picture.fillRect(x1 - 1, y0 + 1, x1, y1, kHighlight);
}

void drawRule(Picture& picture, int x0, int x1, int y) {
    picture.fillRect(x0, y, x1, y + 1, kLine);
    picture.fillRect(x0, y + 1, x1, y + 2, kHighlight);
}

void drawSectionTitle(Picture& picture, int x, int y, int x1, std::string_view title) {
    drawText(picture, x, y, title, kTextSoft, Weight::Bold);
    const int ruleStart = x + textWidth(title, Weight::Bold) + 5;
    if (ruleStart < x1) {
        drawRule(picture, ruleStart, x1, y + 3);
    }
}

void drawButtonFace(Picture& picture, ButtonLook look) {
    const float w = float(picture.width());
    const float h = float(picture.height());
    picture.fillRect(0, 0, picture.width(), picture.height(), kPanel);
    if (look == ButtonLook::Up) {
        fill(picture, roundedBox(0.0f, 1.0f, w, h, 4.0f), mix(kLine, kPanel, 0.3f));
        fill(picture, roundedBox(0.0f, 0.0f, w, h - 1.0f, 4.0f), kLine);
        fill(
            picture, roundedBox(1.0f, 1.0f, w - 1.0f, h - 2.0f, 3.0f),
            linearGradient({0.0f, 1.0f}, Rgb{251, 250, 248}, {0.0f, h - 2.0f}, Rgb{236, 233, 229}));
    } else {
        fill(picture, roundedBox(0.0f, 0.0f, w, h, 4.0f), kLineDark);
        fill(
            picture, roundedBox(1.0f, 1.0f, w - 1.0f, h - 1.0f, 3.0f),
            linearGradient({0.0f, 1.0f}, Rgb{200, 196, 190}, {0.0f, h - 1.0f}, Rgb{214, 210, 205}));
    }
}

Picture pushButton(int width, int height, std::string_view label, ButtonLook look) {
    Picture picture(width, height);
    drawButtonFace(picture, look);
    const int shift = look == ButtonLook::Down ? 1 : 0;
    const int top = (height - kCapHeight) / 2 - (look == ButtonLook::Up ? 1 : 0) + shift;
    drawTextCentred(picture, width / 2 + shift, top, label, kText, Weight::Bold);
    return picture;
}

void drawTabBar(Picture& picture, int height) {
    picture.fillRect(0, 0, picture.width(), height - 1, kPanelShade);
    picture.fillRect(0, height - 1, picture.width(), height, kLine);
}

Picture tabButton(int width, int height, std::string_view label, bool selected) {
    // The tab stands on the bar's border row: its last row is that border, broken open
    // under the selected tab so that the tab and its page are one surface.
    Picture picture(width, height, kPanelShade);
    const float w = float(width);
    const float h = float(height);
    const Rgb face = selected ? kPanel : Rgb{222, 218, 212};
    fill(picture, roundedBox(0.0f, 1.0f, w, h + 6.0f, 4.0f), selected ? kLineDark : kLine);
    fill(picture, roundedBox(1.0f, 2.0f, w - 1.0f, h + 6.0f, 3.0f), face);
    if (selected) {
        fill(picture, roundedBox(1.0f, 2.0f, w - 1.0f, 4.0f, 1.0f), kAccent);
        picture.fillRect(1, height - 1, width - 1, height, kPanel);
    } else {
        picture.fillRect(0, height - 1, width, height, kLine);
    }
    drawTextCentred(picture, width / 2, (height - kCapHeight) / 2 + 1, label,
                    selected ? kText : kTextSoft, selected ? Weight::Bold : Weight::Regular);
    return picture;
}

void drawSliderBed(Picture& picture, int x, int y, int length) {
    // The program draws a two-row track at rows y and y + 1; a light row under it makes it
    // read as a groove cut into the panel.
    picture.fillRect(x, y + 2, x + length, y + 3, kHighlight);
    for (int i = 0; i <= 4; ++i) {
        const int tick = x + (length * i) / 4;
        const int tall = (i == 0 || i == 4) ? 3 : 2;
        picture.fillRect(tick, y + 5, tick + 1, y + 5 + tall, kLine);
    }
}

}  // namespace dw::artwork
