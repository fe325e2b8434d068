#pragma once

#include <cstdint>

namespace dw {

// The sliders run from 0 to kSliderTop; these turn a brush slider's value into its setting,
// held to the setting's range, and back. The float roundings are those of the panel: a gloss
// slider at 100 gives 255.
inline constexpr float kSliderTop = 100.0f;
inline constexpr float kThicknessPerStep = 0.11111111f;

int32_t sizeFromSlider(float value);
float sliderFromSize(int32_t size);
float thicknessFromSlider(float value);
float sliderFromThickness(float thickness);
uint8_t glossFromSlider(float value);
float sliderFromGloss(uint8_t glossLevel);
float amountFromSlider(float value);
float sliderFromAmount(float amount);
uint8_t hardnessFromSlider(float value);
float sliderFromHardness(uint8_t hardness);

}  // namespace dw
