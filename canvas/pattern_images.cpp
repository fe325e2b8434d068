#include "canvas/pattern_images.h"

namespace dw {

void PatternTile::fillFrom(const Surface& picture) {
    for (int y = 0; y < kPatternPeriod; ++y) {
        for (int x = 0; x < kPatternPeriod; ++x) {
            red_[std::size_t(y) * kPatternPeriod + x] = picture.getPixel(x, y).red;
        }
    }
}

void PatternImages::refreshTiles() {
    for (int i = 0; i < kPatternCount; ++i) {
        styleTiles[i].fillFrom(styles[i]);
        textureTiles[i].fillFrom(textures[i]);
    }
}

}  // namespace dw
