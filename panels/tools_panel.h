#pragma once

#include <array>
#include <string>
#include <string_view>

#include "canvas/surface.h"
#include "core/main_loop/loop_message.h"
#include "panels/panel.h"
#include "panels/panel_pictures.h"
#include "tools/tool_id.h"
#include "widgets/button_set.h"
#include "widgets/panel_layout.h"

namespace dw {

// The tools panel: a radio group of tool buttons under three headers. Each button's place in
// the set is its tool id; the headers take 19 to 21, which no tool uses.
class ToolsPanel final : public Panel {
  public:
    // Loads the pictures and lays out the buttons, the Paint Brush selected.
    void prepare(AppState& state) override;
    // A button that chose the current tool replies ToolChosen.
    PanelReply handle(AppState& state, const LoopMessage& message, PanelWindows& windows) override;
    // The button of the current tool is pressed.
    void toolSelected(AppState& state, const ToolInfo* tool, PanelWindows& windows) override;
    // The name of the tool whose button is at (x, y) and its key, "Knife (K)", or nothing.
    std::string toolTip(int x, int y) const override;
    const Surface& picture(AppState& state) override;

  private:
    void showTool(ToolId tool);

    static constexpr int kToolIdCount = 19;
    static constexpr int kLastButtonId = 23;

    Surface backing_;
    std::array<ButtonPicturePair, kToolIdCount> toolPictures_;
    std::array<Surface, layout::kToolsRowCount> headers_;  // by row
    ButtonSet buttons_;
};

}  // namespace dw
