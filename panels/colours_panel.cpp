#include "panels/colours_panel.h"

#include "canvas/truncation.h"
#include "core/app_state.h"
#include "panels/panel_pictures.h"
#include "panels/panel_pointer.h"
#include "panels/panel_windows.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr float kSliderPerComponent = 0.39215687f;  // 100 / 255
constexpr float kComponentPerStep = 2.55f;

uint8_t& component(AppState& state, int channel) {
    BrushSettings& b = state.brush;
    return channel == 0 ? b.red : channel == 1 ? b.green : b.blue;
}

}  // namespace

void ColoursPanel::prepare(AppState& state) {
    loadPanelPicture(pickPicture_, "colors");
    loadPanelPicture(background_, "colordlg");
    content_.create(layout::kColoursWidth, layout::kColoursHeight);
    const layout::SliderSpot spots[] = {layout::kRedSlider, layout::kGreenSlider,
                                        layout::kBlueSlider};
    for (int c = 0; c < 3; ++c) {
        SetUpSlider(sliders_[std::size_t(c)], shared_.sliders, spots[c]);
        sliders_[std::size_t(c)].value = float(component(state, c)) * kSliderPerComponent;
    }
    swatch_.create(layout::kSwatchSide, layout::kSwatchSide);
    fillSwatch(state);
    compose();
    state.propertiesRefresh = true;
}

void ColoursPanel::dragStep(AppState& state, PanelWindows& windows) {
    const DragState& drag = panelDrag(state, WindowId::Colours);
    const PointerPress press = pressOf(drag.active);
    bool changed = false;
    for (int c = 0; c < 3; ++c) {
        Slider& slider = sliders_[std::size_t(c)];
        // Only the dragged slider sets its component: 15 would come back from its slider as
        // 14, so the other two keep theirs.
        if (TrackSlider(slider, shared_.sliderDragId, drag.x, drag.y, press)) {
            component(state, c) = truncToByte(slider.value * kComponentPerStep);
            changed = true;
        }
    }
    // The sample stroke follows the colour, once every 27 passes while the panel is held.
    shared_.redrawSampleLater();
    if (changed) {
        fillSwatch(state);
        compose();
        windows.repaint(WindowId::Colours);
        return;
    }
    const int x = drag.x - layout::kPickOrigin.x;
    const int y = drag.y - layout::kPickOrigin.y;
    if (x < 0 || y < 0 || x >= int(pickPicture_.width()) || y >= int(pickPicture_.height())) {
        return;
    }
    const Pixel picked = pickPicture_.getPixel(x, y);
    state.brush.red = picked.red;
    state.brush.green = picked.green;
    state.brush.blue = picked.blue;
    followBrush(state, windows);
}

PanelReply ColoursPanel::handle(AppState& state, const LoopMessage& message,
                                PanelWindows& windows) {
    handleHoldingPanel(state, message, windows);
    return PanelReply::Handled;
}

void ColoursPanel::followBrush(const AppState& state, PanelWindows& windows) {
    const uint8_t parts[] = {state.brush.red, state.brush.green, state.brush.blue};
    for (int c = 0; c < 3; ++c) {
        sliders_[std::size_t(c)].value = float(parts[c]) * kSliderPerComponent;
    }
    fillSwatch(state);
    compose();
    windows.repaint(WindowId::Colours);
}

void ColoursPanel::fillSwatch(const AppState& state) {
    const BrushSettings& b = state.brush;
    for (uint32_t y = 0; y < swatch_.height(); ++y) {
        for (uint32_t x = 0; x < swatch_.width(); ++x) {
            const bool border =
                x == 0 || y == 0 || x + 1 == swatch_.width() || y + 1 == swatch_.height();
            swatch_.setPixel(x, y, border ? 0 : b.red, border ? 0 : b.green, border ? 0 : b.blue);
        }
    }
}

void ColoursPanel::compose() {
    background_.drawInto(0, 0, content_);
    for (const Slider& slider : sliders_) {
        DrawSlider(slider, content_);
    }
    swatch_.drawInto(layout::kSwatch.x, layout::kSwatch.y, content_);
}

}  // namespace dw
