#pragma once

#include "files/preset_table_file.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// The 24 bytes of a stored brush or stroke, field by field, little-endian.
PresetRecord recordOf(const BrushSettings& brush);
PresetRecord recordOf(const StrokeModifiers& stroke);

// What a record read from a file may hand to the engine: a tool that is no tool becomes the
// Paint Brush, paint style and texture stop at 17, size, amount, thickness and hardness are
// held to what their controls can set, and a float that is not a number takes its start-up
// value. Colour, gloss and the spare byte take any value.
BrushSettings soundBrush(const PresetRecord& record);
// Switches are on or off, and the five lengths are slider values from 0 to 100.
StrokeModifiers soundStroke(const PresetRecord& record);

}  // namespace dw
