#include "resources/artwork/panel_art.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;

Picture toolButtonPicture(PictogramPainter painter, ButtonLook look) {
    const float w = float(kToolButtonWidth);
    const float h = float(kToolButtonHeight);
    Picture picture(kToolButtonWidth, kToolButtonHeight, kPanel);
    if (look == ButtonLook::Down) {
        fill(picture, roundedBox(1.0f, 1.0f, w - 1.0f, h - 1.0f, 5.0f), kAccent);
        fill(picture, roundedBox(2.0f, 2.0f, w - 2.0f, h - 2.0f, 4.0f), kAccentSoft);
    }
    painter(picture);
    return picture;
}

Picture toolHeaderPicture(std::string_view title) {
    Picture picture(layout::kToolHeaderWidth, layout::kToolHeaderHeight, kPanel);
    drawSectionTitle(picture, 2, 4, layout::kToolHeaderWidth - 2, title);
    return picture;
}

Picture toolsPanelPicture() {
    return Picture(layout::kToolsWidth, layout::kToolsHeight, kPanel);
}

}  // namespace dw::artwork
