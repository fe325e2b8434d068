#include "files/pattern_loading.h"

#include <string>

#include "canvas/gloss_map.h"
#include "canvas/pattern_images.h"
#include "canvas/surface.h"
#include "files/image_store.h"

namespace dw {

void LoadPatternImages(PatternImages& patterns) {
    for (int i = 0; i < kPatternCount; ++i) {
        const std::string number = std::to_string(i);
        LoadPackedGreyImage(patterns.styles[i], "paint" + number, "WorkData/Styles/");
        LoadPackedGreyImage(patterns.textures[i], "bump" + number, "WorkData/Textures/");
    }
    patterns.refreshTiles();
}

void loadGlossMapFromStore() {
    Surface picture;
    LoadPackedGreyImage(picture, "gloss", "WorkData/");
    loadGlossMap(picture);
}

}  // namespace dw
