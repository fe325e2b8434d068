#include "tools/pen_pressure.h"

#include <algorithm>
#include <array>

#include "canvas/truncation.h"

namespace dw {
namespace {

constexpr std::array<std::string_view, 4> kNames = {"off", "size", "amount", "both"};

}  // namespace

BrushSettings pressedSettings(const BrushSettings& settings, PressureMode mode, float pressure) {
    // NaN from a confused driver reads as the lightest touch.
    const float p = pressure >= kLightestPressure ? std::min(pressure, 1.0f) : kLightestPressure;
    BrushSettings pressed = settings;
    if (modulatesSize(mode)) {
        pressed.size = std::max(1, truncToInt(double(settings.size) * p));
    }
    if (mode == PressureMode::Amount || mode == PressureMode::SizeAndAmount) {
        pressed.amount = settings.amount * p;
    }
    return pressed;
}

std::string_view pressureModeName(PressureMode mode) {
    return kNames[std::size_t(mode)];
}

bool parsePressureMode(std::string_view name, PressureMode& mode) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            mode = PressureMode(i);
            return true;
        }
    }
    return false;
}

}  // namespace dw
