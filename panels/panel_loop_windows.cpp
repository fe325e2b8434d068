#include "panels/panel_loop_windows.h"

#include "panels/panels.h"

namespace dw {

void PanelLoopWindows::panelDragStep(AppState& state, int leadingSlot) {
    panels_.dragStep(state, leadingSlot, windows_);
}

void PanelLoopWindows::colourPicked(AppState& state) {
    panels_.colourPicked(state, windows_);
}

void PanelLoopWindows::colourChanged(AppState& state) {
    panels_.colourChanged(state, windows_);
}

void PanelLoopWindows::panelPass(AppState& state) {
    panels_.pass(state, windows_);
}

bool PanelLoopWindows::panelsBusy(const AppState& state) const {
    return panels_.busy(state);
}

void PanelLoopWindows::deliver(AppState& state, const LoopMessage& message) {
    panels_.handle(state, message, windows_);
}

}  // namespace dw
