#pragma once

#include <cstdint>

#include "canvas/byte_fraction.h"
#include "canvas/canvas_cell.h"
#include "canvas/truncation.h"

namespace dw {

// Every filter moves a cell toward its target with 255 x k, which in double precision lies a
// hair above 1 (1.0000000591...). Rising values land on their target; falling ones overshoot
// by that hair and truncate one below it, unless the target is 0.
inline constexpr double kBlendWeight = 255.0 * double(kByteFraction);

// trunc(c + w x (t - c)) for bytes. The overshoot is far too small to reach the next integer
// and far too large to be lost in double rounding, so the result follows from the sign of
// t - c alone: no float work per cell.
inline uint8_t blendByte(uint8_t current, uint8_t target) {
    return target >= current || target == 0 ? target : uint8_t(target - 1);
}

inline float blendHeight(float current, float target) {
    return float(double(current) + kBlendWeight * (double(target) - double(current)));
}

// Gloss rounds the sum to float32 before truncating, which can lift a falling value back
// onto its target.
inline uint8_t blendGloss(uint8_t current, uint8_t target) {
    const double sum = double(current) + kBlendWeight * (int(target) - int(current));
    return truncToByte(float(sum));
}

}  // namespace dw
