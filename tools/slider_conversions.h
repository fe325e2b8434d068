#pragma once

#include <cstdint>

namespace dw {

// The brush properties sliders run from 0 to 100; these turn a slider value into its setting
// and back. The float roundings are those of the panel: a gloss slider at 100 gives 255.
int32_t sizeFromSlider(float value);
float sliderFromSize(int32_t size);
float thicknessFromSlider(float value);
float sliderFromThickness(float thickness);
uint8_t glossFromSlider(float value);
float sliderFromGloss(uint8_t glossLevel);
// Never below 0.01: a brush always deposits something.
float amountFromSlider(float value);
float sliderFromAmount(float amount);

}  // namespace dw
