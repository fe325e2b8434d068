#include "core/painting_commands.h"

#include "files/document_file.h"
#include "platform/message_box.h"

namespace dw {

void setUpFirstPainting(AppState& state) {
    state.painting.create(600, 600);
    state.painting.displayState = Canvas::kPaintingDisplayState;
    state.painting.lighting = true;
    state.painting.invalidateShading();
    state.zoomFactor = 1.0f;
    state.history.clearHistory();
    state.history.setDocumentClean(true);
    state.documentPath.clear();
    placeCanvasWindow(state);
}

void placeCanvasWindow(AppState& state) {
    state.canvasWindowPos = kCanvasWindowHome;
}

bool sizeAcceptable(int64_t width, int64_t height) {
    if (Canvas::sizeAllowed(width, height)) {
        return true;
    }
    platform::showMessage(
        "The document can be no less than 1x1 pixels and no greater than 5000x5000 pixels!",
        "Warning", platform::MessageIcon::Warning);
    return false;
}

bool newPainting(AppState& state, int64_t width, int64_t height) {
    if (!sizeAcceptable(width, height)) {
        return false;
    }
    state.history.clearHistory();
    state.documentPath.clear();
    state.painting.create(uint32_t(width), uint32_t(height));
    state.zoomFactor = 1.0f;
    state.painting.displayState = Canvas::kPaintingDisplayState;
    state.painting.invalidateShading();
    placeCanvasWindow(state);
    return true;
}

bool resizePainting(AppState& state, int64_t width, int64_t height) {
    if (!sizeAcceptable(width, height)) {
        return false;
    }
    state.history.pushSnapshot(state.painting);
    state.painting.resample(uint32_t(width), uint32_t(height));
    state.painting.shadeAll();
    placeCanvasWindow(state);
    return true;
}

bool savePainting(AppState& state, const std::string& path, SaveFormat format) {
    const DocumentVersion version =
        format == SaveFormat::Exact ? DocumentVersion::RawCells : DocumentVersion::Compressed;
    if (!SaveDocument(state.painting, path, version)) {
        platform::showMessage("File Save failed!", "Error");
        return false;
    }
    state.history.setDocumentClean(true);
    return true;
}

void setLighting(AppState& state, bool on) {
    state.painting.lighting = on;
    state.painting.invalidateShading();
}

}  // namespace dw
