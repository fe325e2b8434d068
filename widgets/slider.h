#pragma once

#include <cstdint>

#include "canvas/surface.h"
#include "widgets/panel_layout.h"
#include "widgets/pointer_press.h"

namespace dw {

// The pictures every slider of the program shares, and the numbering of the sliders: a drag
// is owned by a slider's id, so ids are unique across all panels.
struct SliderPictures {
    Surface segment;  // 1 x 2: black over grey, tiled along the track
    Surface knob;
    Surface greyedSegment;
    Surface greyedKnob;
    int32_t nextId = 1;
    bool built = false;

    // Builds the pictures once: the knob is `knobPicture` when that holds a picture, else a
    // grey box with a black border.
    void build(const Surface& knobPicture);
};

struct Slider {
    bool enabled = false;  // a disabled slider is greyed and ignores the pointer
    int32_t id = 0;
    int x = 0;  // left end of the track; the knob is centred about row y
    int y = 0;
    int length = 0;
    float value = 0.0f;  // 0 to 100 whatever the length
    Surface track;
    Surface greyedTrack;
    const Surface* knob = nullptr;
    const Surface* greyedKnob = nullptr;
};

void SetUpSlider(Slider& slider, SliderPictures& pictures, int x, int y, int length);
inline void SetUpSlider(Slider& slider, SliderPictures& pictures, const layout::SliderSpot& spot) {
    SetUpSlider(slider, pictures, spot.x, spot.y, spot.length);
}

// While the button is down within reach of the track (10 pixels beyond each end, half a knob
// above and below), the slider takes the drag unless another slider holds it, follows the
// pointer and returns true. `sliderDragId` names the slider that holds the drag, 0 for none.
bool TrackSlider(Slider& slider, int32_t& sliderDragId, int mouseX, int mouseY, PointerPress press);

void DrawSlider(const Slider& slider, Surface& image);

}  // namespace dw
