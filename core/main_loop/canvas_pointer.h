#pragma once

#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
class LoopWindows;

// The canvas window's handling of one delivered message: presses begin strokes, moves feed
// the stroke driver and drag the grain, release and leave end the stroke. A repeated
// delivery is handled like a new one.
void HandleCanvasMessage(AppState& state, const LoopMessage& message, LoopWindows& windows);

}  // namespace dw
