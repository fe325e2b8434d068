#include "app/start_up.h"

#include "app/painting_commands.h"
#include "canvas/gloss_map.h"
#include "canvas/surface.h"

namespace dw {

void startUpEngine(AppState& state) {
    setUpFirstPainting(state);
    // The gloss picture comes from the picture stores; until they exist the map stays zero.
    loadGlossMap(Surface());
}

}  // namespace dw
