#include "panels/tools_panel.h"

#include "core/app_state.h"
#include "core/tool_keys.h"
#include "panels/panel_pointer.h"
#include "panels/panel_windows.h"
#include "tools/tool_table.h"
#include "widgets/panel_layout.h"

namespace dw {

void ToolsPanel::prepare(AppState&) {
    loadPanelPicture(backing_, "toolsview");
    for (const ToolInfo& tool : allTools()) {
        if (!tool.upImage.empty()) {
            toolPictures_[std::size_t(tool.id)].load(std::string(tool.upImage),
                                                     std::string(tool.selectedImage));
        }
    }
    for (int i = 0; i < layout::kToolsRowCount; ++i) {
        if (!layout::kToolsRows[i].header.empty()) {
            loadPanelPicture(headers_[std::size_t(i)], std::string(layout::kToolsRows[i].header));
        }
    }
    // Row tops follow the pictures: the first header's height and a tool button's.
    const int headerHeight = int(headers_[0].height());
    const int buttonHeight = int(toolPictures_[std::size_t(ToolId::TubePaint)].normal.height());
    for (int i = 0; i < layout::kToolsRowCount; ++i) {
        const layout::ToolsRow& row = layout::kToolsRows[i];
        const int top = layout::toolsRowTop(i, headerHeight, buttonHeight);
        if (!row.header.empty()) {
            const Surface& header = headers_[std::size_t(i)];
            SetUpButton(buttons_, row.headerButton, layout::kToolColumnLeft, top,
                        {header, header, header}, row.headerButton, ButtonKind::Inert);
            continue;
        }
        for (const auto& [tool, x] : {std::pair{row.left, layout::kToolColumnLeft},
                                      std::pair{row.right, layout::kToolColumnRight}}) {
            const int id = int(tool);
            SetUpButton(buttons_, id, x, top, toolPictures_[std::size_t(id)].pictures(), id,
                        ButtonKind::Toggle);
        }
    }
    showTool(ToolId::PaintBrush);
}

PanelReply ToolsPanel::handle(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    handlePanelPointer(state, message, windows);
    if (message.kind == MessageKind::LeftButtonDown) {
        pressPanel(state, WindowId::Tools, HoldsButton::No);
    } else if (message.kind == MessageKind::LeftButtonUp) {
        state.propertiesRefresh = true;
        releasePanel(state, WindowId::Tools, HoldsButton::No);
    }
    DragState& drag = panelDrag(state, WindowId::Tools);
    const int hit = UpdateButtons(buttons_, drag.x, drag.y, pressOf(drag.active));
    if (hit == kNoButton) {
        return PanelReply::Handled;
    }
    state.brush.tool = ToolId(hit);
    drag.reset();
    endDragsThatStep(state);
    state.buttonHeld = false;
    state.propertiesRefresh = true;
    return PanelReply::ToolChosen;
}

void ToolsPanel::toolSelected(AppState& state, const ToolInfo*, PanelWindows& windows) {
    showTool(state.brush.tool);
    windows.repaint(WindowId::Tools);
}

void ToolsPanel::showTool(ToolId tool) {
    for (int id = 0; id <= kLastButtonId; ++id) {
        buttons_[id].state = ButtonState::Normal;
    }
    if (uint32_t(tool) < uint32_t(ButtonSet::kCapacity)) {
        buttons_[int(tool)].state = ButtonState::Pressed;
    }
}

std::string ToolsPanel::toolTip(int x, int y) const {
    const ToolInfo* tool = findTool(ToolId(ButtonAt(buttons_, x, y)));
    if (!tool) {
        return {};
    }
    std::string tip(tool->displayName);
    if (const char letter = toolKeyLetter(tool->id)) {
        tip += std::string(" (") + letter + ")";
    }
    return tip;
}

const Surface& ToolsPanel::picture(AppState&) {
    DrawButtonsToImage(buttons_, backing_);
    return backing_;
}

}  // namespace dw
