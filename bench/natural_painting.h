#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/gloss_map.h"
#include "canvas/surface.h"

namespace dw::bench {

// A painting that looks painted rather than random: broad colour fields, a fine paint grain,
// glossy patches and a rolling relief, so that the codec and the shading see realistic data.
inline void fillNaturalPainting(Canvas& canvas, uint32_t width, uint32_t height) {
    canvas.create(width, height);
    canvas.lighting = true;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const double u = x / 173.0;
            const double v = y / 211.0;
            const uint32_t grain = (x * 2654435761u ^ y * 2246822519u) >> 28;
            CanvasCell& c = canvas.cellForWriting(x, y);
            c.red = uint8_t(120 + 100 * std::sin(u + 0.5 * v));
            c.green = uint8_t(110 + 90 * std::sin(0.7 * v - u));
            c.blue = uint8_t(100 + 80 * std::cos(u * 0.3 + v));
            c.paint = uint8_t(20 + grain * 3);
            c.gloss = std::sin(u * 2) > 0.6 ? 200 : 20;
            c.height = float(4.0 * std::sin(x / 23.0) * std::cos(y / 31.0) + grain * 0.05);
        }
    }
}

// A gloss map shaped like the program's: one bright highlight around the flat direction.
inline void loadBenchGlossMap() {
    Surface picture;
    picture.create(256, 256);
    for (uint32_t gx = 0; gx < 256; ++gx) {
        for (uint32_t gz = 0; gz < 256; ++gz) {
            const double d = std::hypot(double(gx) - 110.0, double(gz) - 110.0);
            picture.setPixel(gx, gz, uint8_t(std::max(0.0, 255.0 - 3.0 * d)), 0, 0);
        }
    }
    glossMap().fillFrom(picture);
}

}  // namespace dw::bench
