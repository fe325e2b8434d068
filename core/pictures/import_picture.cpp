#include "core/pictures/import_picture.h"

#include <new>

#include "core/painting_commands.h"
#include "files/image_file.h"
#include "files/picture_import.h"
#include "files/picture_probe.h"
#include "platform/message_box.h"

namespace dw {

bool importPicture(AppState& state, const std::string& path) {
    // A picture too large for a painting is refused before it is decoded, where its header
    // tells; after loading for the kinds whose header is not read here.
    const auto declared = probePictureSize(path);
    if (declared && !sizeAcceptable(declared->width, declared->height)) {
        return false;
    }
    CellRows rows;
    if (!LoadImageRows(rows, path)) {
        platform::showMessage(rows.outOfMemory() ? "Out of memory!" : "Image failed to load!",
                              "Error");
        return false;
    }
    if (!sizeAcceptable(rows.width(), rows.height())) {
        return false;
    }
    state.history.pauseRecording();
    try {
        state.painting.adoptCells(rows.release(), rows.width(), rows.height());
    } catch (const std::bad_alloc&) {
        state.history.resumeRecording(state.painting);
        platform::showMessage("Out of memory!", "Error");
        return false;
    }
    state.painting.displayState = Canvas::kPaintingDisplayState;
    state.history.clearHistory();
    state.documentPath.clear();
    state.painting.invalidateShading();
    return true;
}

}  // namespace dw
