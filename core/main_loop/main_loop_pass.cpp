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
    } else if (state.drags.colours.active) {
        windows.colourDragStep(state);
    } else if (state.drags.properties.active) {
        windows.propertiesDragStep(state);
    } else if (!state.drags.styles.active && !state.drags.palette.active) {
        // The next press may take any slider. The styles and palette panels track their
        // sliders from their own messages; while one of them is pressed its slider keeps
        // the drag, so that it never passes to another slider on the way.
        state.sliderDragId = 0;
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

void panelFlags(AppState& state, LoopWindows& windows) {
    if (state.colourChanged) {
        state.propertiesRefresh = true;
        windows.colourChanged(state);
        state.colourChanged = false;
    }
    if (state.propertiesRefreshCountdown != 0) {
        --state.propertiesRefreshCountdown;
        if (state.propertiesRefreshCountdown == 1) {
            state.propertiesRefresh = true;
        }
    }
    if (state.propertiesRefresh) {
        windows.refreshPreview(state);
    }
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

void LoopWindows::refreshPreview(AppState& state) {
    state.propertiesRefresh = false;
}

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
    panelFlags(state, windows);
    windows.pace();
    if (fresh || isRepeatedWhenIdle(state.lastMessage.kind)) {
        const LoopMessage message = state.lastMessage;
        deliver(state, message, windows);
    }
}

bool MainLoopIdle(const AppState& state, const MessageQueue& queue) {
    const DragStates& drags = state.drags;
    return queue.empty() && !state.buttonHeld && !drags.canvas.active && !drags.colours.active &&
           !drags.properties.active && !state.colourChanged && !state.propertiesRefresh &&
           state.propertiesRefreshCountdown == 0 &&
           !(state.painting.hasCells() && !state.painting.shaded);
}

}  // namespace dw
