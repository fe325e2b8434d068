#include "app/pictures/export_picture.h"

#include "files/image_file.h"
#include "platform/message_box.h"

namespace dw {

bool exportPaintingPicture(AppState& state, const std::string& path) {
    state.painting.shadeAll();
    if (!SaveImageFile(state.painting.surface(), path)) {
        platform::showMessage("Export to \"" + path + "\" failed!", "Error");
        return false;
    }
    return true;
}

}  // namespace dw
