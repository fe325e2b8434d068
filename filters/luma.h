#pragma once

#include "canvas/canvas_cell.h"

namespace dw {

// Luma weights as float32; 0.59 belongs to red and 0.3 to green.
inline constexpr float kLumaGreen = 0.3f;
inline constexpr float kLumaRed = 0.59f;
inline constexpr float kLumaBlue = 0.11f;

// L, summed in this order. White gives 254.9999962, just short of 255.
inline double lumaSum(const CanvasCell& c) {
    return double(kLumaGreen) * c.green + double(kLumaRed) * c.red + double(kLumaBlue) * c.blue;
}

// v = trunc(L), and 255 if it were larger. L of three bytes cannot leave the int range.
inline int luma(const CanvasCell& c) {
    const int v = static_cast<int>(lumaSum(c));
    return v > 255 ? 255 : v;
}

}  // namespace dw
