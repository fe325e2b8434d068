#include "panels/panel_pictures.h"

#include "files/image_store.h"

namespace dw {

void loadPanelPicture(Surface& picture, const std::string& name) {
    LoadPackedImage(picture, name, "WorkData/");
}

void ButtonPicturePair::load(const std::string& normalName, const std::string& pressedName) {
    loadPanelPicture(normal, normalName);
    loadPanelPicture(pressed, pressedName);
}

}  // namespace dw
