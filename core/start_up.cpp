#include "core/start_up.h"

#include "core/painting_commands.h"
#include "files/devil_library.h"
#include "files/pattern_loading.h"

namespace dw {

void startUpEngine(AppState& state) {
    initialiseImageLibrary();
    LoadPatternImages(state.patterns);
    setUpFirstPainting(state);
    loadGlossMapFromStore();
}

}  // namespace dw
