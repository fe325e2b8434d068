#include "panels/panels.h"

#include "core/app_state.h"
#include "panels/panel.h"
#include "panels/panel_registry.h"
#include "tools/tool_table.h"

namespace dw {
namespace {

constexpr int kStartUpBrushSize = 30;

}  // namespace

Panels::Panels() {
    for (const PanelRow& row : panelRows()) {
        panels_.push_back(row.make(shared_));
    }
}

Panels::~Panels() = default;

Panel* Panels::find(WindowId window) const {
    const std::span<const PanelRow> rows = panelRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].window == window) {
            return panels_[i].get();
        }
    }
    return nullptr;
}

void Panels::loadWhileSplashShows(AppState& state) {
    shared_.loadSliderPictures();
    for (const auto& panel : panels_) {
        panel->loadWhileSplashShows(state);
    }
}

void Panels::prepare(AppState& state, PanelWindows& windows) {
    shared_.loadSliderPictures();
    for (const auto& panel : panels_) {
        panel->prepare(state);
    }
    selectTool(state, windows);
    for (const auto& panel : panels_) {
        panel->handOutStartBrush(state);
    }
    state.brush.size = kStartUpBrushSize;
    state.colourChanged = true;
}

void Panels::saveLists(const AppState&) {
    for (const auto& panel : panels_) {
        panel->save();
    }
}

void Panels::handle(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    Panel* panel = find(message.target);
    if (panel && panel->handle(state, message, windows) == PanelReply::ToolChosen) {
        selectTool(state, windows);
    }
}

const Surface& Panels::picture(AppState& state, WindowId window) {
    Panel* panel = find(window);
    return panel ? panel->picture(state) : nothing_;
}

std::string Panels::toolTip(WindowId window, int x, int y) const {
    const Panel* panel = find(window);
    return panel ? panel->toolTip(x, y) : std::string();
}

void Panels::dragStep(AppState& state, int leadingSlot, PanelWindows& windows) {
    const std::span<const PanelRow> rows = panelRows();
    bool sliderKept = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PanelRow& row = rows[i];
        if (row.dragSlot == leadingSlot && row.pressed == PressedWork::EveryPass) {
            panels_[i]->dragStep(state, windows);
        }
        sliderKept = sliderKept || (row.pressed != PressedWork::None &&
                                    state.drags.panels[std::size_t(row.dragSlot)].active);
    }
    // The next press may take any slider. While a panel with sliders is pressed, its slider
    // keeps the drag, so that it never passes to another slider on the way.
    if (!sliderKept) {
        shared_.sliderDragId = 0;
    }
}

void Panels::colourPicked(AppState& state, PanelWindows& windows) {
    for (const auto& panel : panels_) {
        panel->colourPicked(state, windows);
    }
}

void Panels::colourChanged(AppState& state, PanelWindows& windows) {
    for (const auto& panel : panels_) {
        panel->colourChanged(state, windows);
    }
    selectTool(state, windows);
}

void Panels::pass(AppState& state, PanelWindows& windows) {
    for (const auto& panel : panels_) {
        panel->pass(state, windows);
    }
}

bool Panels::busy(const AppState& state) const {
    const std::span<const PanelRow> rows = panelRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool stepping = rows[i].pressed == PressedWork::EveryPass &&
                              state.drags.panels[std::size_t(rows[i].dragSlot)].active;
        if (stepping || panels_[i]->busy(state)) {
            return true;
        }
    }
    return false;
}

void Panels::selectTool(AppState& state, PanelWindows& windows) {
    const ToolInfo* tool = findTool(state.brush.tool);
    if (tool != nullptr && tool->caption.empty()) {
        tool = nullptr;
    }
    for (const auto& panel : panels_) {
        panel->toolSelected(state, tool, windows);
    }
}

}  // namespace dw
