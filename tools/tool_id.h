#pragma once

#include <cstdint>

namespace dw {

// The painting tools. 3 and 4 belong to no tool; Fill (7) is selected by no control.
enum class ToolId : uint32_t {
    TubePaint = 0,
    PaintBrush = 1,
    Eraser = 2,
    SprayPaint = 5,
    Sponge = 6,
    Fill = 7,
    EyeDropper = 8,
    GelBrush = 9,
    Brighten = 10,
    Darken = 11,
    HandTool = 12,
    Gloss = 13,
    Matte = 14,
    Raise = 15,
    Lower = 16,
    Knife = 17,
    Finger = 18,
};

}  // namespace dw
