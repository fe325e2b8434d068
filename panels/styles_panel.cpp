#include "panels/styles_panel.h"

#include <algorithm>

#include "core/app_state.h"
#include "panels/panel_pointer.h"
#include "panels/panel_windows.h"
#include "tools/slider_conversions.h"
#include "tools/tool_table.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr uint8_t kKeepHalf = 128;

void makeThumbnails(const std::array<Surface, kPatternCount>& images,
                    std::array<Surface, kPatternCount>& thumbnails) {
    for (int i = 0; i < kPatternCount; ++i) {
        Surface& thumbnail = thumbnails[std::size_t(i)];
        thumbnail.createWithAlpha(layout::kThumbnailSide, layout::kThumbnailSide);
        images[std::size_t(i)].drawInto(0, 0, thumbnail);
    }
}

layout::Spot gridSpot(int number) {
    return {number % layout::kGridColumns * layout::kGridPitch + layout::kGridOrigin.x,
            number / layout::kGridColumns * layout::kGridPitch + layout::kGridOrigin.y};
}

}  // namespace

void StylesPanel::prepare(AppState& state) {
    tabPictures_[PaintStyles].load("tpaint0", "tpaint1");
    tabPictures_[Textures].load("ttexture0", "ttexture1");
    tabPictures_[Shape].load("tshape1", "tshape0");  // the shape tab's pictures swap roles
    loadPanelPicture(clean_, "styles");
    loadPanelPicture(shape_, "shape");
    content_.create(layout::kStylesWidth, layout::kStylesHeight);
    for (int tab = PaintStyles; tab <= Shape; ++tab) {
        SetUpButton(tabs_, tab, layout::styleTabX(tab), layout::kTabTop,
                    tabPictures_[std::size_t(tab)].pictures(), 0, ButtonKind::Toggle);
    }
    tabs_[PaintStyles].state = ButtonState::Pressed;
    SetUpSlider(hardness_, shared_.sliders, layout::kHardnessSlider);
    makeThumbnails(state.patterns.styles, styleThumbnails_);
    makeThumbnails(state.patterns.textures, textureThumbnails_);
}

PanelReply StylesPanel::handle(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    handleHoldingPanel(state, message, windows);
    mouseStep(state, windows);
    return PanelReply::Handled;
}

void StylesPanel::colourChanged(AppState&, PanelWindows& windows) {
    windows.repaint(WindowId::Styles);
}

void StylesPanel::toolSelected(AppState&, const ToolInfo* tool, PanelWindows& windows) {
    if (tool != nullptr) {
        enableRows(tool->exposure.paintStyleRow, tool->exposure.textureRow);
        windows.repaint(WindowId::Styles);
    }
}

void StylesPanel::mouseStep(AppState& state, PanelWindows& windows) {
    const DragState& drag = panelDrag(state, WindowId::Styles);
    const int x = drag.x;
    const int y = drag.y;
    const PointerPress press = pressOf(drag.active);
    const int tab = UpdateButtons(tabs_, x, y, press);
    if (page_ == Shape) {
        if (TrackSlider(hardness_, shared_.sliderDragId, x, y, press)) {
            state.brush.hardness = hardnessFromSlider(hardness_.value);
            // The profile shows the new edge at once; the next stroke takes it anyway.
            state.strokeSettings.hardness = state.brush.hardness;
            state.footprint.invalidate();
            shared_.redrawSampleLater();
            windows.repaint(WindowId::Styles);
        }
        if (tab == kNoButton) {
            return;
        }
    }
    if (press != PointerPress::Down) {
        return;
    }
    if (tab != kNoButton) {
        for (int t = PaintStyles; t <= Shape; ++t) {
            tabs_[t].state = t == tab ? ButtonState::Pressed : ButtonState::Normal;
        }
        page_ = Page(tab);
        state.drags.resetAll();  // the press is taken once
        windows.repaint(WindowId::Styles);
        return;
    }
    const bool pickable =
        (page_ == PaintStyles && paintStylesEnabled_) || (page_ == Textures && texturesEnabled_);
    if (!pickable || !layout::kGridArea.contains(x, y)) {
        return;
    }
    const int row = (y - layout::kGridOrigin.y) / layout::kGridPitch;
    const int column = (x - layout::kGridOrigin.x) / layout::kGridPitch;
    const uint8_t number =
        uint8_t(std::min(row * layout::kGridColumns + column, kPatternCount - 1));
    (page_ == PaintStyles ? state.brush.paintStyle : state.brush.texture) = number;
    state.drags.resetAll();
    windows.repaint(WindowId::Styles);
    state.propertiesRefresh = true;
}

void StylesPanel::enableRows(bool paintStyles, bool textures) {
    paintStylesEnabled_ = paintStyles;
    texturesEnabled_ = textures;
}

const Surface& StylesPanel::picture(AppState& state) {
    clean_.drawInto(0, 0, content_);
    DrawButtonsToImage(tabs_, content_);
    switch (page_) {
        case PaintStyles:
            drawGrid(styleThumbnails_, state.brush.paintStyle, paintStylesEnabled_);
            break;
        case Textures:
            drawGrid(textureThumbnails_, state.brush.texture, texturesEnabled_);
            break;
        case Shape:
            BuildFootprint(state.footprint, state.strokeSettings);
            shape_.drawInto(0, layout::kPageTop, content_);
            hardness_.value = sliderFromHardness(state.brush.hardness);
            DrawSlider(hardness_, content_);
            state.footprint.profileIcon().drawInto(layout::kProfileIcon.x, layout::kProfileIcon.y,
                                                   content_);
            break;
    }
    return content_;
}

void StylesPanel::drawGrid(const std::array<Surface, kPatternCount>& thumbnails, int current,
                           bool enabled) {
    for (int i = 0; i < kPatternCount; ++i) {
        const layout::Spot spot = gridSpot(i);
        thumbnails[std::size_t(i)].drawInto(spot.x, spot.y, content_);
    }
    const layout::Spot mark = gridSpot(current);
    content_.tintRect(mark.x, mark.y, mark.x + layout::kThumbnailSide,
                      mark.y + layout::kThumbnailSide, 255, 0, 0, kKeepHalf);
    if (!enabled) {
        const layout::Area& grid = layout::kGridArea;
        content_.tintRect(grid.left, grid.top, grid.right, grid.bottom, 255, 255, 255, kKeepHalf);
    }
}

}  // namespace dw
