#include "tools/slider_conversions.h"

#include "canvas/truncation.h"
#include "tools/brush_fields.h"

namespace dw {
namespace {

constexpr float kGlossPerStep = 2.55f;
constexpr float kStepsPerGloss = 0.39215687f;
constexpr float kAmountPerStep = 0.01f;

}  // namespace

int32_t sizeFromSlider(float value) {
    return int32_t(brush_field::kSize.held(truncToInt(double(value) * 0.01 * 100.0)));
}

float sliderFromSize(int32_t size) {
    return float(double(size) * 0.01 * 100.0);
}

float thicknessFromSlider(float value) {
    return value * kThicknessPerStep;
}

float sliderFromThickness(float thickness) {
    return thickness * 9.0f;
}

uint8_t glossFromSlider(float value) {
    // Rounded to float before the truncation, so that 100 x 2.55 gives 255, not 254.
    const float gloss = value * kGlossPerStep;
    return truncToByte(gloss);
}

float sliderFromGloss(uint8_t glossLevel) {
    return float(glossLevel) * kStepsPerGloss;
}

float amountFromSlider(float value) {
    return float(brush_field::kAmount.held(value * kAmountPerStep));
}

float sliderFromAmount(float amount) {
    return amount * 100.0f;
}

uint8_t hardnessFromSlider(float value) {
    return uint8_t(brush_field::kHardness.held(truncToInt(value)));
}

float sliderFromHardness(uint8_t hardness) {
    return float(hardness);
}

}  // namespace dw
