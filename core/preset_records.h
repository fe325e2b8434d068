#pragma once

#include "files/preset_table_file.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// The 24 bytes of a stored brush or stroke: the fields of its table in their order,
// little-endian.
PresetRecord recordOf(const BrushSettings& brush);
PresetRecord recordOf(const StrokeModifiers& stroke);

// What a record read from a file may hand to the engine: every field held to its range, a
// tool no control chooses and a float that is not a number replaced by the start-up value.
BrushSettings soundBrush(const PresetRecord& record);
StrokeModifiers soundStroke(const PresetRecord& record);

}  // namespace dw
