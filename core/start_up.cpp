#include "core/start_up.h"

#include "files/devil_library.h"
#include "files/pattern_loading.h"

namespace dw {

void startUp(AppState& state, const StartUpSteps& steps) {
    initialiseImageLibrary();
    const auto loading = [&] {
        LoadPatternImages(state.patterns);
        loadGlossMapFromStore();
        if (steps.loadPanels) {
            steps.loadPanels(state);
        }
    };
    if (steps.whileLoading) {
        steps.whileLoading(loading);
    } else {
        loading();
    }
    if (steps.createWindows) {
        steps.createWindows(state);
    }
    setUpFirstPainting(state);
    if (steps.showCanvas) {
        steps.showCanvas(state);
    }
    if (steps.firstPaintings) {
        steps.firstPaintings(state);
    }
    state.painting.invalidateShading();
    if (steps.preparePanels) {
        steps.preparePanels(state);
    }
    // A run begins with nothing unsaved, whatever it brought in.
    state.history.setDocumentClean(true);
}

}  // namespace dw
