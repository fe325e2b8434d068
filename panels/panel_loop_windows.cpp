#include "panels/panel_loop_windows.h"

#include "panels/panels.h"

namespace dw {

void PanelLoopWindows::colourDragStep(AppState& state) {
    panels_.colourDragStep(state, windows_);
}

void PanelLoopWindows::propertiesDragStep(AppState& state) {
    panels_.propertiesDragStep(state, windows_);
}

void PanelLoopWindows::colourPicked(AppState& state) {
    panels_.colourPicked(state, windows_);
}

void PanelLoopWindows::colourChanged(AppState& state) {
    panels_.colourChanged(state, windows_);
}

void PanelLoopWindows::refreshPreview(AppState& state) {
    panels_.refreshPreview(state, windows_);
}

void PanelLoopWindows::deliver(AppState& state, const LoopMessage& message) {
    panels_.handle(state, message, windows_);
}

}  // namespace dw
