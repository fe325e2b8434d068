#pragma once

#include <array>

#include "core/main_loop/drag_state.h"
#include "panels/panel_pictures.h"
#include "tools/stroke_modifiers.h"
#include "widgets/button_set.h"
#include "widgets/slider.h"

namespace dw {

// The controls of the Strokes tab: a switch for each of fade amount, fade size and wave, and
// sliders for their lengths, each enabled by its switch's stroke flag.
class StrokeEditor {
  public:
    void build(SliderPictures& sliders);
    void show(const StrokeModifiers& stroke);
    // The switches and the lengths as a stroke's; the reserved byte is left alone.
    void writeInto(StrokeModifiers& stroke) const;
    void enableSliders(const StrokeModifiers& stroke);
    // The pointer drags a slider; true when one took it.
    bool trackSliders(const DragState& drag, int32_t& sliderDragId);
    // True when a switch flipped.
    bool updateSwitches(const DragState& drag);
    void draw(Surface& image) const;

  private:
    enum Length { FadeAmount, FadeSize, WavePhase, WavePeriod, WaveDepth, kLengthCount };

    ButtonPicturePair check_;
    ButtonSet switches_;  // fade amount, fade size, wave
    std::array<Slider, kLengthCount> sliders_;
};

}  // namespace dw
