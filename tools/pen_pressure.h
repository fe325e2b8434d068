#pragma once

#include <string_view>

#include "tools/brush_settings.h"

namespace dw {

// What the pressure of a pen modulates.
enum class PressureMode : uint8_t { Off, Size, Amount, SizeAndAmount };

inline constexpr float kLightestPressure = 0.05f;

// The settings one dab of a pen stroke paints with: size x p and amount x p, p clamped to
// [0.05, 1] so that the lightest touch still leaves a mark.
BrushSettings pressedSettings(const BrushSettings& settings, PressureMode mode, float pressure);

inline bool modulatesSize(PressureMode mode) {
    return mode == PressureMode::Size || mode == PressureMode::SizeAndAmount;
}

// The names the batch tool and the settings file use: off, size, amount, both.
std::string_view pressureModeName(PressureMode mode);
bool parsePressureMode(std::string_view name, PressureMode& mode);

}  // namespace dw
