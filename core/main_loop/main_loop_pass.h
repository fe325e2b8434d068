#pragma once

#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
class LoopWindows;

// One pass of the main loop: take at most one message, shade a painting that needs it, run
// the drag work (a dab of the current tool while the canvas is pressed, else the step of the
// pressed panel), hand the notices on to the panels, pace, then deliver the message, or the
// previous pointer message again when no new one came. The GUI runs it until quitRequested;
// --play runs it once per script event.
void RunMainLoopPass(AppState& state, MessageQueue& queue, LoopWindows& windows);

// True when a pass would change nothing until the next message arrives, so that the GUI may
// wait for one instead of spinning.
bool MainLoopIdle(const AppState& state, const MessageQueue& queue, const LoopWindows& windows);

}  // namespace dw
