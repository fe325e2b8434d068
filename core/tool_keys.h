#pragma once

#include <cstdint>

#include "tools/tool_id.h"

namespace dw {

// The single letters that pick a tool; the tools panel names them in its tooltips.
struct ToolKey {
    char letter;
    ToolId tool;
};

inline constexpr ToolKey kToolKeys[] = {
    {'B', ToolId::PaintBrush}, {'T', ToolId::TubePaint}, {'S', ToolId::SprayPaint},
    {'G', ToolId::GelBrush},   {'K', ToolId::Knife},     {'F', ToolId::Finger},
    {'P', ToolId::Sponge},     {'E', ToolId::Eraser},    {'I', ToolId::EyeDropper},
    {'H', ToolId::HandTool},
};

// 0 for a tool without a key.
inline char toolKeyLetter(ToolId tool) {
    for (const ToolKey& key : kToolKeys) {
        if (key.tool == tool) {
            return key.letter;
        }
    }
    return 0;
}

}  // namespace dw
