#pragma once

#include <cstddef>
#include <cstdint>

namespace dw {

// One cell of a painting. The layout is also the raw cell layout of version-1 documents.
struct CanvasCell {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t paint;  // grey grain added to all three components when shown
    uint8_t gloss;  // 0 matte .. 255 full gloss
    uint8_t unused[3];
    float height;  // relief; only differences between neighbours are seen
};

static_assert(sizeof(CanvasCell) == 12);
static_assert(offsetof(CanvasCell, paint) == 3);
static_assert(offsetof(CanvasCell, gloss) == 4);
static_assert(offsetof(CanvasCell, height) == 8);

inline constexpr CanvasCell kWhiteCell = {255, 255, 255, 0, 0, {0, 0, 0}, 0.0f};

}  // namespace dw
