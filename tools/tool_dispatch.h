#pragma once

#include "canvas/canvas.h"
#include "tools/brush_settings.h"
#include "tools/dab_context.h"
#include "tools/tool_id.h"

namespace dw {

// One dab of a tool that changes cells, centred on cell (x, y), with the stroke settings s.
// False for the tools that change no cells (Eye Dropper, Hand Tool, Fill) and for ids that
// are no tool; nothing is touched then.
bool ApplyToolEffect(ToolId tool, Canvas& canvas, int x, int y, const BrushSettings& s,
                     const DabContext& context);

}  // namespace dw
