#include "panels/panel_pointer.h"

#include "core/app_state.h"
#include "panels/panel_registry.h"
#include "panels/panel_windows.h"

namespace dw {

DragState& panelDrag(AppState& state, WindowId panel) {
    const PanelRow* row = findPanelRow(panel);
    return row ? state.drags.panels[std::size_t(row->dragSlot)] : state.drags.canvas;
}

void endDragsThatStep(AppState& state) {
    state.drags.canvas.reset();
    for (const PanelRow& row : panelRows()) {
        if (row.pressed == PressedWork::EveryPass) {
            state.drags.panels[std::size_t(row.dragSlot)].reset();
        }
    }
}

void handlePanelPointer(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    DragState& own = panelDrag(state, message.target);
    switch (message.kind) {
        case MessageKind::PointerMove:
        case MessageKind::LeftButtonDown:
        case MessageKind::LeftButtonUp: {
            const DragState kept = own;
            state.drags.resetAll();
            own = kept;
            break;
        }
        case MessageKind::PointerLeave:
            state.mouseLeaveTracking = false;
            state.drags.resetAll();
            return;
        default:
            return;
    }
    if (message.kind != MessageKind::PointerMove) {
        return;
    }
    // Client coordinates arrive as two 16-bit words.
    own.x = uint16_t(message.x);
    own.y = uint16_t(message.y);
    if (!state.mouseLeaveTracking && windows.trackPointerLeave(message.target)) {
        state.mouseLeaveTracking = true;
    }
}

void pressPanel(AppState& state, WindowId panel, HoldsButton holds) {
    panelDrag(state, panel).active = 1;
    if (holds == HoldsButton::Yes) {
        state.buttonHeld = true;
    }
}

void releasePanel(AppState& state, WindowId panel, HoldsButton holds) {
    panelDrag(state, panel).reset();
    if (holds == HoldsButton::Yes) {
        state.buttonHeld = false;
    }
}

void handleHoldingPanel(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    handlePanelPointer(state, message, windows);
    if (message.kind == MessageKind::LeftButtonDown) {
        pressPanel(state, message.target, HoldsButton::Yes);
    } else if (message.kind == MessageKind::LeftButtonUp) {
        releasePanel(state, message.target, HoldsButton::Yes);
    }
}

void pressEndedInDialog(AppState& state, WindowId panel) {
    releasePanel(state, panel, HoldsButton::Yes);
    LoopMessage& last = state.lastMessage;
    if (last.target == panel && last.kind == MessageKind::LeftButtonDown) {
        last.kind = MessageKind::LeftButtonUp;
    }
}

}  // namespace dw
