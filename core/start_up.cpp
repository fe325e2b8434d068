#include "core/start_up.h"

#include "files/devil_library.h"
#include "files/pattern_loading.h"
#include "files/temporary_journal.h"
#include "platform/user_folders.h"

namespace dw {

void startUp(AppState& state, const StartUpSteps& steps) {
    // Before anything is written: what killed runs left half-written goes, and this run's own
    // named temporaries are noted for the next start to find.
    keepTemporaryJournal(platform::temporaryJournalFolder());
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
}

}  // namespace dw
