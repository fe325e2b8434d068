#pragma once

#include <array>

#include "canvas/canvas.h"
#include "core/main_loop/loop_message.h"
#include "panels/panel.h"
#include "panels/panel_shared.h"
#include "tools/brush_settings.h"
#include "tools/tool_table.h"
#include "widgets/slider.h"

namespace dw {

// The brush properties panel: a live sample stroke of the current brush, which the user can
// paint in, and the size, thickness, gloss and amount sliders.
class PropertiesPanel final : public Panel {
  public:
    explicit PropertiesPanel(PanelShared& shared) : shared_(shared) {}

    // Start-up: the start-up brush, the sliders, the preview canvas and the first sample.
    void prepare(AppState& state) override;
    // A main-loop pass while the panel is pressed: the sliders follow the pointer, and a
    // press in the preview paints there.
    void dragStep(AppState& state, PanelWindows& windows) override;
    PanelReply handle(AppState& state, const LoopMessage& message, PanelWindows& windows) override;
    void colourChanged(AppState& state, PanelWindows& windows) override;
    // The caption names the tool; only the sliders it uses are drawn and dragged.
    void toolSelected(AppState& state, const ToolInfo* tool, PanelWindows& windows) override;
    // The countdown to the next sample stroke, and the sample when it is due.
    void pass(AppState& state, PanelWindows& windows) override;
    bool busy(const AppState& state) const override;
    const Surface& picture(AppState&) override { return content_; }

  private:
    // In the order they follow the pointer.
    enum Control { Size, Amount, Thickness, Gloss, kControlCount };

    // A fresh sample stroke of the current brush; the sliders follow the brush.
    void refreshPreview(AppState& state);
    void showControls(const ToolExposure& exposure);
    void compose();
    void slidersFromBrush(const BrushSettings& brush);
    void brushFromSlider(Control control, BrushSettings& brush) const;

    PanelShared& shared_;
    std::array<Slider, kControlCount> sliders_;
    std::array<bool, kControlCount> shown_{true, true, true, true};
    Canvas preview_;
    Surface background_;
    Surface content_;
};

}  // namespace dw
