#pragma once

#include <cmath>
#include <cstdint>

#include "canvas/canvas.h"

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

}  // namespace dw::bench
