#include "core/main_loop/main_loop_pass.h"

#include "core/app_state.h"
#include "core/main_loop/apply_dab.h"
#include "core/main_loop/canvas_pointer.h"
#include "core/main_loop/loop_windows.h"

namespace dw {
namespace {

void dragWork(AppState& state, LoopWindows& windows) {
    DragState& canvasDrag = state.drags.canvas;
    if (canvasDrag.active) {
        if (state.buttonHeld) {
            ApplyDab(state, canvasDrag.x, canvasDrag.y, state.painting);
        }
        windows.invalidateCanvas(DabWindowArea(state, canvasDrag.x, canvasDrag.y));
        windows.updateCanvas();
    } else {
        windows.panelDragStep(state, state.drags.leadingPanel());
    }
    if (state.colourPicked) {
        state.colourPicked = false;
        windows.colourPicked(state);
    }
    if (state.canvasWindowMoved) {
        state.canvasWindowMoved = false;
        windows.moveCanvasWindow(state.canvasWindowPos);
    }
}

void notices(AppState& state, LoopWindows& windows) {
    if (state.colourChanged) {
        windows.colourChanged(state);
        state.colourChanged = false;
    }
    windows.panelPass(state);
}

void deliver(AppState& state, const LoopMessage& message, LoopWindows& windows) {
    if (message.target == WindowId::Canvas) {
        HandleCanvasMessage(state, message, windows);
    } else {
        windows.deliver(state, message);
    }
}

bool isPointerMessage(MessageKind kind) {
    return isRepeatedWhenIdle(kind) || kind == MessageKind::PointerLeave;
}

}  // namespace

void RunMainLoopPass(AppState& state, MessageQueue& queue, LoopWindows& windows) {
    windows.passStarted();
    LoopMessage incoming;
    const bool fresh = queue.take(incoming);
    if (fresh) {
        state.lastMessage = incoming;
        if (isPointerMessage(incoming.kind)) {
            state.cursorScreenPos = incoming.screen;
        }
    }
    if (state.painting.hasCells() && !state.painting.shaded) {
        state.painting.shadeAll();
        windows.invalidateWholeCanvas();
    }
    dragWork(state, windows);
    notices(state, windows);
    windows.pace();
    if (fresh || isRepeatedWhenIdle(state.lastMessage.kind)) {
        const LoopMessage message = state.lastMessage;
        deliver(state, message, windows);
    }
}

bool MainLoopIdle(const AppState& state, const MessageQueue& queue, const LoopWindows& windows) {
    return queue.empty() && !state.buttonHeld && !state.drags.canvas.active &&
           !state.colourChanged && !windows.panelsBusy(state) &&
           !(state.painting.hasCells() && !state.painting.shaded);
}

}  // namespace dw
