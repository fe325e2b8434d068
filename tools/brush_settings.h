#pragma once

#include <cstdint>

#include "tools/tool_id.h"

namespace dw {

// What the tools read: one plain record of six 32-bit words, copied by value. It is also the
// layout of a brush in the presets files; the ranges are those of tools/brush_fields.h.
struct BrushSettings {
    uint8_t red = 0;
    uint8_t green = 200;
    uint8_t blue = 45;
    uint8_t paintStyle = 2;
    float thickness = 10.0f;
    ToolId tool = ToolId::PaintBrush;
    int32_t size = 30;    // brush radius in cells
    float amount = 0.5f;  // strength of one dab
    uint8_t glossLevel = 20;
    uint8_t texture = 3;  // 0 = none
    uint8_t hardness = 0;
    uint8_t spare = 0;
};

static_assert(sizeof(BrushSettings) == 24);

}  // namespace dw
