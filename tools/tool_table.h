#pragma once

#include <span>
#include <string_view>

#include "tools/tool_id.h"

namespace dw {

// Which controls of the brush properties and styles panels a tool uses; hidden sliders are
// neither drawn nor dragged, disabled rows ignore clicks.
struct ToolExposure {
    bool sizeSlider = false;
    bool amountSlider = false;
    bool thicknessSlider = false;
    bool glossSlider = false;
    bool paintStyleRow = false;
    bool textureRow = false;
};

// Everything the user interface shows of a tool. Fill has no button, name or caption.
struct ToolInfo {
    ToolId id;
    std::string_view displayName;    // "Tube Paint"
    std::string_view upImage;        // "brush0": up and hover look of its button
    std::string_view selectedImage;  // "brush1"
    std::string_view caption;        // " Brush Properties: Tube Paint"
    ToolExposure exposure;
};

// The seventeen tools in order of their ids.
std::span<const ToolInfo> allTools();

// The tool with this id, or null for ids that belong to no tool (3, 4 and anything past 18).
const ToolInfo* findTool(ToolId id);

// Whether a control can choose the tool: every tool but Fill.
bool selectableTool(ToolId id);

}  // namespace dw
