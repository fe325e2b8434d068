#pragma once

#include <array>

#include "core/main_loop/loop_message.h"
#include "panels/panel.h"
#include "panels/panel_shared.h"
#include "widgets/slider.h"

namespace dw {

// The colours panel: a slider for each of red, green and blue, a picture to pick a colour
// from, and a swatch of the brush colour.
class ColoursPanel final : public Panel {
  public:
    explicit ColoursPanel(PanelShared& shared) : shared_(shared) {}

    // Start-up: the pictures, the sliders and the swatch, all from the brush colour.
    void prepare(AppState& state) override;
    // A main-loop pass while the panel is pressed: a slider under the pointer sets its part
    // of the colour; otherwise a press on the picture picks the colour under it.
    void dragStep(AppState& state, PanelWindows& windows) override;
    PanelReply handle(AppState& state, const LoopMessage& message, PanelWindows& windows) override;
    // The sliders and the swatch show the brush colour again.
    void colourPicked(AppState& state, PanelWindows& windows) override {
        followBrush(state, windows);
    }
    void colourChanged(AppState& state, PanelWindows& windows) override {
        followBrush(state, windows);
    }
    const Surface& picture(AppState&) override { return content_; }

  private:
    void followBrush(const AppState& state, PanelWindows& windows);
    void fillSwatch(const AppState& state);
    void compose();

    PanelShared& shared_;
    std::array<Slider, 3> sliders_;  // red, green, blue
    Surface pickPicture_;            // read for picks, never drawn
    Surface background_;
    Surface swatch_;
    Surface content_;
};

}  // namespace dw
