#include "tools/slider_conversions.h"

#include "canvas/truncation.h"

namespace dw {
namespace {

constexpr float kThicknessPerStep = 0.11111111f;
constexpr float kGlossPerStep = 2.55f;
constexpr float kStepsPerGloss = 0.39215687f;
constexpr float kAmountPerStep = 0.01f;
constexpr float kMinimumAmount = 0.01f;

}  // namespace

int32_t sizeFromSlider(float value) {
    const int32_t size = truncToInt(double(value) * 0.01 * 100.0);
    return size < 1 ? 1 : size;
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
    const float amount = value * kAmountPerStep;
    return amount < kMinimumAmount ? kMinimumAmount : amount;
}

float sliderFromAmount(float amount) {
    return amount * 100.0f;
}

}  // namespace dw
