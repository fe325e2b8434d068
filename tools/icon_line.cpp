#include "tools/icon_line.h"

#include <cstdlib>

#include "canvas/surface.h"

namespace dw {
namespace {

int floorDivide(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

}  // namespace

void drawIconLine(Surface& surface, int x0, int y0, int x1, int y1) {
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int steps = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
    // Step along the major axis; the minor coordinate is the exact one rounded half up.
    for (int k = 0; k < steps; ++k) {
        const int x = x0 + floorDivide(2 * k * dx + steps, 2 * steps);
        const int y = y0 + floorDivide(2 * k * dy + steps, 2 * steps);
        if (x >= 0 && y >= 0) {
            surface.setPixel(uint32_t(x), uint32_t(y), 0, 0, 0);
        }
    }
}

}  // namespace dw
