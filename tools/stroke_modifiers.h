#pragma once

#include <cstdint>

namespace dw {

// How a stroke fades and waves along its length; stored byte for byte in stroke files.
struct StrokeModifiers {
    uint8_t fadeAmount = 0;
    uint8_t fadeSize = 0;
    uint8_t wave = 0;
    uint8_t reserved = 0;
    float fadeAmountLength = 100.0f;
    float fadeSizeLength = 100.0f;
    float waveDepth = 5.0f;
    float wavePhase = 0.0f;
    float wavePeriod = 0.0f;
};

static_assert(sizeof(StrokeModifiers) == 24);

// Where the tools read the tiled paper texture and paint style images: shifted by these.
struct SamplingOffsets {
    float textureOffsetX = 0.0f;
    float textureOffsetY = 0.0f;
    float styleOffsetX = 0.0f;
    float styleOffsetY = 0.0f;
};

}  // namespace dw
