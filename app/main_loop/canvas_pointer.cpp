#include "app/main_loop/canvas_pointer.h"

#include "app/app_state.h"
#include "app/main_loop/loop_windows.h"
#include "tools/stroke_driver.h"

namespace dw {
namespace {

void askForLeaveNotification(AppState& state, LoopWindows& windows) {
    if (!state.mouseLeaveTracking && windows.trackPointerLeave()) {
        state.mouseLeaveTracking = true;
    }
}

void press(AppState& state) {
    // While the pointer rests after a press every pass delivers the press again and the paint
    // keeps building up; only the real press reseeds the grain and takes the undo snapshot,
    // so that one stroke is one step of Undo and earlier strokes stay in the history.
    const bool firstPress = !state.drags.canvas.active;
    if (firstPress) {
        ReseedOffsets(state.offsets, state.random);
    }
    state.pressPoint = state.cursorScreenPos;
    const ToolId tool = state.brush.tool;
    if (firstPress && tool != ToolId::HandTool && tool != ToolId::EyeDropper) {
        state.history.pushSnapshot(state.painting);
    }
    state.buttonHeld = true;
    state.drags.canvas.active = 1;
    BeginStroke(state.painting, state.stroke());
}

void move(AppState& state, const LoopMessage& message, LoopWindows& windows) {
    // Client coordinates arrive as two 16-bit words.
    const int x = uint16_t(message.x);
    const int y = uint16_t(message.y);
    DriftOffsets(state.offsets, state.random, state.driftReference.x, state.driftReference.y, x, y);
    DragState& drag = state.drags.canvas;
    StrokeStep(state.painting, drag.x - x, drag.y - y, state.stroke());
    drag.x = x;
    drag.y = y;
    state.driftReference = {x, y};
    askForLeaveNotification(state, windows);
}

void release(AppState& state) {
    EndStroke(state.painting, state.stroke());
    state.buttonHeld = false;
    state.drags.canvas.reset();
}

void leave(AppState& state) {
    // buttonHeld stays: painting resumes only with the next press, not when the pointer returns.
    state.mouseLeaveTracking = false;
    state.drags.resetAll();
    EndStroke(state.painting, state.stroke());
}

}  // namespace

void HandleCanvasMessage(AppState& state, const LoopMessage& message, LoopWindows& windows) {
    switch (message.kind) {
        case MessageKind::LeftButtonDown:
            press(state);
            break;
        case MessageKind::PointerMove:
            move(state, message, windows);
            break;
        case MessageKind::LeftButtonUp:
            release(state);
            break;
        case MessageKind::PointerLeave:
            leave(state);
            break;
        case MessageKind::KeyDown:
        case MessageKind::KeyUp:
            windows.keyboard(state, message);
            break;
        default:
            break;  // the right button does not paint
    }
}

}  // namespace dw
