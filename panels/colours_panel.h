#pragma once

#include <array>

#include "core/main_loop/loop_message.h"
#include "widgets/slider.h"

namespace dw {

struct AppState;
class PanelWindows;

// The colours panel: a slider for each of red, green and blue, a picture to pick a colour
// from, and a swatch of the brush colour.
class ColoursPanel {
  public:
    // Start-up: the pictures, the sliders and the swatch, all from the brush colour.
    void prepare(AppState& state, SliderPictures& sliders);
    // A main-loop pass while the panel is pressed: a slider under the pointer sets its part
    // of the colour; otherwise a press on the picture picks the colour under it.
    void dragStep(AppState& state, PanelWindows& windows);
    void handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    // The sliders and the swatch show the brush colour again.
    void followBrush(const AppState& state, PanelWindows& windows);
    const Surface& picture() const { return content_; }

  private:
    void fillSwatch(const AppState& state);
    void compose();

    std::array<Slider, 3> sliders_;  // red, green, blue
    Surface pickPicture_;            // read for picks, never drawn
    Surface background_;
    Surface swatch_;
    Surface content_;
};

}  // namespace dw
