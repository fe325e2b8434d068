#include "widgets/slider.h"

#include <algorithm>

#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr uint8_t kTrackGrey = 128;
constexpr uint8_t kKnobGrey = 200;

void drawKnob(Surface& knob) {
    knob.create(layout::kKnobWidth, layout::kKnobHeight);
    for (uint32_t y = 0; y < knob.height(); ++y) {
        for (uint32_t x = 0; x < knob.width(); ++x) {
            const bool border = x == 0 || y == 0 || x + 1 == knob.width() || y + 1 == knob.height();
            const uint8_t v = border ? 0 : kKnobGrey;
            knob.setPixel(x, y, v, v, v);
        }
    }
}

uint8_t halfwayToWhite(uint8_t c) {
    return uint8_t(c + (255 - c) * 0.5);
}

void greyed(const Surface& picture, Surface& result) {
    result.create(picture.width(), picture.height());
    for (uint32_t y = 0; y < picture.height(); ++y) {
        for (uint32_t x = 0; x < picture.width(); ++x) {
            const Pixel p = picture.getPixel(x, y);
            result.setPixel(x, y, halfwayToWhite(p.red), halfwayToWhite(p.green),
                            halfwayToWhite(p.blue));
        }
    }
}

void tile(const Surface& segment, int length, Surface& track) {
    track.create(uint32_t(std::max(length, 0)), segment.height());
    const int step = std::max(int(segment.width()), 1);
    for (int x = 0; x < length; x += step) {
        segment.drawInto(x, 0, track);
    }
}

}  // namespace

void SliderPictures::build(const Surface& knobPicture) {
    if (built) {
        return;
    }
    segment.create(1, 2);
    segment.setPixel(0, 0, 0, 0, 0);
    segment.setPixel(0, 1, kTrackGrey, kTrackGrey, kTrackGrey);
    if (knobPicture.valid()) {
        knob.create(knobPicture.width(), knobPicture.height());
        knobPicture.drawInto(0, 0, knob);
    } else {
        drawKnob(knob);
    }
    greyed(segment, greyedSegment);
    greyed(knob, greyedKnob);
    built = true;
}

void SetUpSlider(Slider& slider, SliderPictures& pictures, int x, int y, int length) {
    pictures.build(Surface());
    slider.enabled = true;
    slider.id = pictures.nextId++;
    slider.x = x;
    slider.y = y;
    slider.length = length;
    tile(pictures.segment, length, slider.track);
    tile(pictures.greyedSegment, length, slider.greyedTrack);
    slider.knob = &pictures.knob;
    slider.greyedKnob = &pictures.greyedKnob;
    slider.value = 100.0f;
}

bool TrackSlider(Slider& slider, int32_t& sliderDragId, int mouseX, int mouseY,
                 PointerPress press) {
    if (press != PointerPress::Down || !slider.enabled || slider.knob == nullptr ||
        slider.length <= 0 || (sliderDragId != 0 && sliderDragId != slider.id)) {
        return false;
    }
    const int halfWidth = int(slider.knob->width()) >> 1;
    const int halfHeight = int(slider.knob->height()) >> 1;
    const bool along =
        slider.x - halfWidth - 10 <= mouseX && mouseX < slider.x + slider.length + halfWidth + 10;
    const bool across = slider.y - halfHeight <= mouseY && mouseY < slider.y + halfHeight;
    if (!along || !across) {
        return false;
    }
    sliderDragId = slider.id;
    const float value = float(mouseX - slider.x) / float(slider.length) * 100.0f;
    slider.value = std::clamp(value, 0.0f, 100.0f);
    return true;
}

void DrawSlider(const Slider& slider, Surface& image) {
    const Surface* knob = slider.enabled ? slider.knob : slider.greyedKnob;
    (slider.enabled ? slider.track : slider.greyedTrack).drawInto(slider.x, slider.y, image);
    if (knob == nullptr) {
        return;
    }
    const layout::SliderSpot spot{slider.x, slider.y, slider.length};
    knob->drawInto(layout::knobLeft(spot, slider.value, int(knob->width())),
                   layout::knobTop(spot, int(knob->height())), image);
}

}  // namespace dw
