#pragma once

#include <array>
#include <span>

#include "tools/record_field.h"
#include "tools/slider_conversions.h"
#include "tools/stroke_modifiers.h"

namespace dw {
namespace stroke_field {

using Field = RecordField<StrokeModifiers>;

// The lengths are the stroke editor's slider values, kept as they are.
inline constexpr Field kFadeAmount = fieldOf<&StrokeModifiers::fadeAmount>("fadeAmount", 0, 1);
inline constexpr Field kFadeSize = fieldOf<&StrokeModifiers::fadeSize>("fadeSize", 0, 1);
inline constexpr Field kWave = fieldOf<&StrokeModifiers::wave>("wave", 0, 1);
inline constexpr Field kReserved = fieldOf<&StrokeModifiers::reserved>("reserved", 0, 255, false);
inline constexpr Field kFadeAmountLength =
    fieldOf<&StrokeModifiers::fadeAmountLength>("fadeAmountLength", 0, kSliderTop);
inline constexpr Field kFadeSizeLength =
    fieldOf<&StrokeModifiers::fadeSizeLength>("fadeSizeLength", 0, kSliderTop);
inline constexpr Field kWaveDepth =
    fieldOf<&StrokeModifiers::waveDepth>("waveDepth", 0, kSliderTop);
inline constexpr Field kWavePhase =
    fieldOf<&StrokeModifiers::wavePhase>("wavePhase", 0, kSliderTop);
inline constexpr Field kWavePeriod =
    fieldOf<&StrokeModifiers::wavePeriod>("wavePeriod", 0, kSliderTop);

}  // namespace stroke_field

// In the order of a stored stroke record.
inline constexpr std::array<stroke_field::Field, 9> kStrokeFields{
    stroke_field::kFadeAmount, stroke_field::kFadeSize,         stroke_field::kWave,
    stroke_field::kReserved,   stroke_field::kFadeAmountLength, stroke_field::kFadeSizeLength,
    stroke_field::kWaveDepth,  stroke_field::kWavePhase,        stroke_field::kWavePeriod};

constexpr std::span<const RecordField<StrokeModifiers>> strokeFields() {
    return kStrokeFields;
}

static_assert(storedSize(strokeFields()) == sizeof(StrokeModifiers));

}  // namespace dw
