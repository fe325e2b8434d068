#include "panels/stroke_editor.h"

#include "widgets/panel_layout.h"

namespace dw {
namespace {

enum Switch { FadeAmountSwitch, FadeSizeSwitch, WaveSwitch };

ButtonState look(uint8_t flag) {
    return flag ? ButtonState::Pressed : ButtonState::Normal;
}

}  // namespace

void StrokeEditor::build(SliderPictures& sliders) {
    check_.load("check0", "check1");
    const layout::Spot switches[] = {layout::kFadeAmountSwitch, layout::kFadeSizeSwitch,
                                     layout::kWaveSwitch};
    for (int s = FadeAmountSwitch; s <= WaveSwitch; ++s) {
        SetUpButton(switches_, s, switches[s].x, switches[s].y, check_.pictures(), 0,
                    ButtonKind::Toggle);
    }
    const layout::SliderSpot spots[kLengthCount] = {
        layout::kFadeAmountSlider, layout::kFadeSizeSlider, layout::kWavePhaseSlider,
        layout::kWavePeriodSlider, layout::kWaveDepthSlider};
    for (int l = 0; l < kLengthCount; ++l) {
        SetUpSlider(sliders_[std::size_t(l)], sliders, spots[l]);
    }
}

void StrokeEditor::show(const StrokeModifiers& stroke) {
    switches_[FadeAmountSwitch].state = look(stroke.fadeAmount);
    switches_[FadeSizeSwitch].state = look(stroke.fadeSize);
    switches_[WaveSwitch].state = look(stroke.wave);
    enableSliders(stroke);
    sliders_[FadeAmount].value = stroke.fadeAmountLength;
    sliders_[FadeSize].value = stroke.fadeSizeLength;
    sliders_[WavePhase].value = stroke.wavePhase;
    sliders_[WavePeriod].value = stroke.wavePeriod;
    sliders_[WaveDepth].value = stroke.waveDepth;
}

void StrokeEditor::writeInto(StrokeModifiers& stroke) const {
    stroke.fadeAmount = switches_[FadeAmountSwitch].state == ButtonState::Pressed;
    stroke.fadeSize = switches_[FadeSizeSwitch].state == ButtonState::Pressed;
    stroke.wave = switches_[WaveSwitch].state == ButtonState::Pressed;
    stroke.fadeAmountLength = sliders_[FadeAmount].value;
    stroke.fadeSizeLength = sliders_[FadeSize].value;
    stroke.wavePhase = sliders_[WavePhase].value;
    stroke.wavePeriod = sliders_[WavePeriod].value;
    stroke.waveDepth = sliders_[WaveDepth].value;
}

void StrokeEditor::enableSliders(const StrokeModifiers& stroke) {
    sliders_[FadeAmount].enabled = stroke.fadeAmount;
    sliders_[FadeSize].enabled = stroke.fadeSize;
    for (int l : {WavePhase, WavePeriod, WaveDepth}) {
        sliders_[std::size_t(l)].enabled = stroke.wave;
    }
}

bool StrokeEditor::trackSliders(const DragState& drag, int32_t& sliderDragId) {
    bool tracked = false;
    for (Slider& slider : sliders_) {
        tracked |= TrackSlider(slider, sliderDragId, drag.x, drag.y, pressOf(drag.active));
    }
    return tracked;
}

bool StrokeEditor::updateSwitches(const DragState& drag) {
    return UpdateButtons(switches_, drag.x, drag.y, pressOf(drag.active)) != kNoButton;
}

void StrokeEditor::draw(Surface& image) const {
    DrawButtonsToImage(switches_, image);
    for (const Slider& slider : sliders_) {
        DrawSlider(slider, image);
    }
}

}  // namespace dw
