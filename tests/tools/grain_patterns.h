#pragma once

#include "canvas/pattern_images.h"

namespace dw::test {

// Grain images with some structure, so that the tiled and shifted reads show.
inline void fillPatterns(PatternImages& patterns) {
    for (int i = 0; i < kPatternCount; ++i) {
        patterns.styles[i].create(200, 200);
        patterns.textures[i].create(200, 200);
        for (uint32_t y = 0; y < 200; ++y) {
            for (uint32_t x = 0; x < 200; ++x) {
                patterns.styles[i].setPixel(x, y, uint8_t(x * 5 + y * 3 + i * 17), 0, 0);
                patterns.textures[i].setPixel(x, y, uint8_t(((x / 3) ^ (y / 2)) * (i + 1)), 0, 0);
            }
        }
    }
    patterns.refreshTiles();
}

}  // namespace dw::test
