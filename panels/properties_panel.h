#pragma once

#include <array>

#include "canvas/canvas.h"
#include "core/main_loop/loop_message.h"
#include "tools/brush_settings.h"
#include "tools/tool_table.h"
#include "widgets/slider.h"

namespace dw {

struct AppState;
class PanelWindows;

// The brush properties panel: a live sample stroke of the current brush, which the user can
// paint in, and the size, thickness, gloss and amount sliders.
class PropertiesPanel {
  public:
    // Start-up: the start-up brush, the sliders, the preview canvas and the first sample.
    void prepare(AppState& state, SliderPictures& sliders);
    // A fresh sample stroke of the current brush; the sliders follow the brush.
    void refreshPreview(AppState& state);
    // A main-loop pass while the panel is pressed: the sliders follow the pointer, and a
    // press in the preview paints there.
    void dragStep(AppState& state, PanelWindows& windows);
    void handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    // The sliders the tool uses; the others are neither drawn nor dragged.
    void showControls(const ToolExposure& exposure);
    void compose();
    const Surface& picture() const { return content_; }

  private:
    // In the order they follow the pointer.
    enum Control { Size, Amount, Thickness, Gloss, kControlCount };

    void slidersFromBrush(const BrushSettings& brush);
    void brushFromSlider(Control control, BrushSettings& brush) const;

    std::array<Slider, kControlCount> sliders_;
    std::array<bool, kControlCount> shown_{true, true, true, true};
    Canvas preview_;
    Surface background_;
    Surface content_;
};

}  // namespace dw
