#pragma once

#include <cstdint>

#include "canvas/surface.h"
#include "widgets/slider.h"

namespace dw {

// What the panels share besides the program's state.
struct PanelShared {
    // The sample stroke follows a dragged control 26 passes after the first change, not at
    // every step.
    static constexpr int32_t kSampleDelay = 27;

    Surface knob;
    SliderPictures sliders;
    // The slider that holds the pointer's drag, 0 for none: one slider of all the panels.
    int32_t sliderDragId = 0;
    // Passes until the sample stroke of the brush is drawn again, 0 when none is due.
    int32_t sampleCountdown = 0;

    // The knob picture must be there before the first slider.
    void loadSliderPictures();
    void redrawSampleLater() {
        if (sampleCountdown == 0) {
            sampleCountdown = kSampleDelay;
        }
    }
};

}  // namespace dw
