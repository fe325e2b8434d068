#include "panels/panels.h"

#include "app/app_state.h"
#include "canvas/surface.h"
#include "panels/panel_windows.h"

namespace dw {

struct Panels::Parts {
    Surface empty;
};

namespace {

constexpr PanelPlacement kPlacements[] = {
    {WindowId::Tools, " Tools", false, 10, 65, 68, 274},
    {WindowId::Properties, " Brush Properties", true, -310, 65, 280, 240},
    {WindowId::Colours, " Colors", true, -310, 337, 205, 94},
    {WindowId::Palette, " Palette", true, -310, 463, 280, 200},
};

}  // namespace

std::span<const PanelPlacement> floatingPanelPlacements() {
    return kPlacements;
}

Panels::Panels() : parts_(std::make_unique<Parts>()) {}
Panels::~Panels() = default;

void Panels::buildPalettePanel(AppState&) {}
void Panels::prepare(AppState&, PanelWindows&) {}
void Panels::saveLists(const AppState&) {}
void Panels::handle(AppState&, const LoopMessage&, PanelWindows&) {}
const Surface& Panels::picture(AppState&, WindowId) {
    return parts_->empty;
}
void Panels::colourDragStep(AppState&, PanelWindows&) {}
void Panels::propertiesDragStep(AppState&, PanelWindows&) {}
void Panels::colourPicked(AppState&, PanelWindows&) {}
void Panels::colourChanged(AppState&, PanelWindows&) {}
void Panels::refreshPreview(AppState& state, PanelWindows&) {
    state.propertiesRefresh = false;
}
void Panels::selectTool(AppState&, PanelWindows&) {}

}  // namespace dw
