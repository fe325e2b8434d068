#include "panels/properties_panel.h"

#include "core/app_state.h"
#include "core/main_loop/apply_dab.h"
#include "panels/panel_pictures.h"
#include "panels/panel_pointer.h"
#include "panels/panel_windows.h"
#include "panels/thumbnails.h"
#include "tools/slider_conversions.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr float kPreviewOffset = 100.0f;
constexpr int kPreviewCentre = layout::kPreviewSide / 2;
constexpr layout::Area kPreviewArea{layout::kPreview.x, layout::kPreview.y,
                                    layout::kPreview.x + layout::kPreviewSide,
                                    layout::kPreview.y + layout::kPreviewSide};
constexpr IntRect kAboveStyles{0, 0, layout::kPropertiesWidth, layout::kPropertiesVisibleHeight};

int sampleDabs(ToolId tool) {
    switch (tool) {
        case ToolId::Knife:
            return 7;
        case ToolId::GelBrush:
            return 10;
        default:
            return 6;
    }
}

}  // namespace

void PropertiesPanel::prepare(AppState& state) {
    state.offsets.textureOffsetX = 0.0f;
    state.offsets.textureOffsetY = 0.0f;
    state.brush = BrushSettings{};
    state.propertiesRefresh = true;
    const layout::SliderSpot spots[kControlCount] = {
        layout::kSizeSlider, layout::kAmountSlider, layout::kThicknessSlider, layout::kGlossSlider};
    for (int c = 0; c < kControlCount; ++c) {
        SetUpSlider(sliders_[std::size_t(c)], shared_.sliders, spots[c]);
    }
    preview_.create(layout::kPreviewSide, layout::kPreviewSide);
    // Lit, so that thickness and gloss show in the sample as they will on the painting.
    preview_.lighting = true;
    content_.create(layout::kPropertiesWidth, layout::kPropertiesHeight);
    loadPanelPicture(background_, "properties");
    refreshPreview(state);
}

void PropertiesPanel::refreshPreview(AppState& state) {
    preview_.clearToWhite();
    const BrushSettings& brush = state.brush;
    if (needsPaper(brush.tool, PaperFor::Preview)) {
        preview_.fillWithPaper(brush.red, brush.green, brush.blue, state.patterns.styles[1]);
    }
    BeginStroke(preview_, state.stroke());
    state.offsets = {kPreviewOffset, kPreviewOffset, kPreviewOffset, kPreviewOffset};
    paintThenShade(preview_, [&] {
        for (int i = sampleDabs(brush.tool); i > 0; --i) {
            ApplyDab(state, kPreviewCentre, kPreviewCentre, preview_);
        }
    });
    if (state.brush.size < 1) {
        state.brush.size = 1;
    }
    slidersFromBrush(state.brush);
    compose();
    state.propertiesRefresh = false;
}

void PropertiesPanel::dragStep(AppState& state, PanelWindows& windows) {
    const DragState& drag = panelDrag(state, WindowId::Properties);
    const PointerPress press = pressOf(drag.active);
    bool changed = false;
    for (int c = 0; c < kControlCount; ++c) {
        // Only the slider that follows the pointer sets its value: the others would give
        // their settings back a step lower, as their conversions do not round-trip.
        if (shown_[std::size_t(c)] &&
            TrackSlider(sliders_[std::size_t(c)], shared_.sliderDragId, drag.x, drag.y, press)) {
            brushFromSlider(Control(c), state.brush);
            changed = true;
        }
    }
    if (changed) {
        shared_.redrawSampleLater();
    }
    const int x = drag.x - layout::kPreview.x;
    const int y = drag.y - layout::kPreview.y;
    if (x >= 0 && x < layout::kPreviewSide && y >= 0 && y < layout::kPreviewSide) {
        ApplyDab(state, x, y, preview_);
    }
    compose();
    windows.repaint(WindowId::Properties, &kAboveStyles);
}

PanelReply PropertiesPanel::handle(AppState& state, const LoopMessage& message,
                                   PanelWindows& windows) {
    DragState& drag = panelDrag(state, WindowId::Properties);
    const bool inPreview = kPreviewArea.contains(drag.x, drag.y);
    if (message.kind == MessageKind::PointerMove && inPreview) {
        StrokeStep(preview_, drag.x - uint16_t(message.x), drag.y - uint16_t(message.y),
                   state.stroke());
    }
    handleHoldingPanel(state, message, windows);
    if (message.kind == MessageKind::LeftButtonDown && inPreview) {
        BeginStroke(preview_, state.stroke());
    } else if (message.kind == MessageKind::LeftButtonUp) {
        EndStroke(preview_, state.stroke());
    }
    return PanelReply::Handled;
}

void PropertiesPanel::colourChanged(AppState& state, PanelWindows&) {
    state.propertiesRefresh = true;
}

void PropertiesPanel::toolSelected(AppState&, const ToolInfo* tool, PanelWindows& windows) {
    if (tool == nullptr) {
        return;
    }
    showControls(tool->exposure);
    compose();
    windows.setCaption(WindowId::Properties, std::string(tool->caption));
    windows.repaint(WindowId::Properties, &kAboveStyles);
}

void PropertiesPanel::pass(AppState& state, PanelWindows& windows) {
    if (shared_.sampleCountdown != 0) {
        --shared_.sampleCountdown;
        if (shared_.sampleCountdown == 1) {
            state.propertiesRefresh = true;
        }
    }
    if (state.propertiesRefresh) {
        refreshPreview(state);
        windows.repaint(WindowId::Properties, &kAboveStyles);
    }
}

bool PropertiesPanel::busy(const AppState& state) const {
    return shared_.sampleCountdown != 0 || state.propertiesRefresh;
}

void PropertiesPanel::showControls(const ToolExposure& exposure) {
    shown_[Size] = exposure.sizeSlider;
    shown_[Amount] = exposure.amountSlider;
    shown_[Thickness] = exposure.thicknessSlider;
    shown_[Gloss] = exposure.glossSlider;
}

void PropertiesPanel::compose() {
    background_.drawInto(0, 0, content_);
    preview_.surface().drawInto(layout::kPreview.x, layout::kPreview.y, content_);
    for (int c = 0; c < kControlCount; ++c) {
        if (shown_[std::size_t(c)]) {
            DrawSlider(sliders_[std::size_t(c)], content_);
        }
    }
}

void PropertiesPanel::slidersFromBrush(const BrushSettings& brush) {
    sliders_[Size].value = sliderFromSize(brush.size);
    sliders_[Amount].value = sliderFromAmount(brush.amount);
    sliders_[Thickness].value = sliderFromThickness(brush.thickness);
    sliders_[Gloss].value = sliderFromGloss(brush.glossLevel);
}

void PropertiesPanel::brushFromSlider(Control control, BrushSettings& brush) const {
    const float value = sliders_[std::size_t(control)].value;
    switch (control) {
        case Size:
            brush.size = sizeFromSlider(value);
            break;
        case Amount:
            brush.amount = amountFromSlider(value);
            break;
        case Thickness:
            brush.thickness = thicknessFromSlider(value);
            break;
        case Gloss:
            brush.glossLevel = glossFromSlider(value);
            break;
        case kControlCount:
            break;
    }
}

}  // namespace dw
