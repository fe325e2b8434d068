#pragma once

#include <array>
#include <span>

#include "canvas/pattern_images.h"
#include "tools/brush_settings.h"
#include "tools/record_field.h"
#include "tools/slider_conversions.h"

namespace dw {
namespace brush_field {

using Field = RecordField<BrushSettings>;

inline constexpr double kLastPattern = kPatternCount - 1;

inline constexpr Field kRed = fieldOf<&BrushSettings::red>("red", 0, 255);
inline constexpr Field kGreen = fieldOf<&BrushSettings::green>("green", 0, 255);
inline constexpr Field kBlue = fieldOf<&BrushSettings::blue>("blue", 0, 255);
inline constexpr Field kPaintStyle =
    fieldOf<&BrushSettings::paintStyle>("paintStyle", 0, kLastPattern);
inline constexpr Field kThickness =
    fieldOf<&BrushSettings::thickness>("thickness", 0, double(kSliderTop* kThicknessPerStep));
inline constexpr Field kTool = fieldOf<&BrushSettings::tool>("tool", 0, double(ToolId::Finger));
inline constexpr Field kSize = fieldOf<&BrushSettings::size>("size", 1, 100);
// Never 0: a brush always deposits something.
inline constexpr Field kAmount = fieldOf<&BrushSettings::amount>("amount", 0.01f, 1);
inline constexpr Field kGlossLevel = fieldOf<&BrushSettings::glossLevel>("glossLevel", 0, 255);
inline constexpr Field kTexture = fieldOf<&BrushSettings::texture>("texture", 0, kLastPattern);
// The footprint takes 0 as 1.
inline constexpr Field kHardness = fieldOf<&BrushSettings::hardness>("hardness", 0, 100);
inline constexpr Field kSpare = fieldOf<&BrushSettings::spare>("spare", 0, 255, false);

}  // namespace brush_field

// In the order of a stored brush record.
inline constexpr std::array<brush_field::Field, 12> kBrushFields{
    brush_field::kRed,        brush_field::kGreen,     brush_field::kBlue,
    brush_field::kPaintStyle, brush_field::kThickness, brush_field::kTool,
    brush_field::kSize,       brush_field::kAmount,    brush_field::kGlossLevel,
    brush_field::kTexture,    brush_field::kHardness,  brush_field::kSpare};

constexpr std::span<const RecordField<BrushSettings>> brushFields() {
    return kBrushFields;
}

static_assert(storedSize(brushFields()) == sizeof(BrushSettings));

}  // namespace dw
