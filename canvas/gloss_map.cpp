#include "canvas/gloss_map.h"

#include "canvas/surface.h"
#include "platform/message_box.h"

namespace dw {

void GlossMap::fillFrom(const Surface& picture) {
    for (int gx = 0; gx < kSide; ++gx) {
        for (int gz = 0; gz < kSide; ++gz) {
            const int value = int(picture.getPixel(gx, gz).red) - 128;
            values_[gx * kSide + gz] = uint8_t(value < 0 ? 0 : value);
        }
    }
}

GlossMap& glossMap() {
    static GlossMap map;
    return map;
}

void loadGlossMap(const Surface& picture) {
    if (!picture.valid()) {
        platform::showMessage("Gloss Map failed to load!", "Error");
        glossMap().clear();
        return;
    }
    glossMap().fillFrom(picture);
}

}  // namespace dw
