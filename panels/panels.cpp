#include "panels/panels.h"

#include "core/app_state.h"
#include "panels/colours_panel.h"
#include "panels/palette_panel.h"
#include "panels/panel_pictures.h"
#include "panels/panel_windows.h"
#include "panels/properties_panel.h"
#include "panels/styles_panel.h"
#include "panels/tools_panel.h"
#include "tools/tool_table.h"
#include "widgets/panel_layout.h"

namespace dw {

struct Panels::Parts {
    Surface knob;
    SliderPictures sliders;
    ToolsPanel tools;
    PropertiesPanel properties;
    StylesPanel styles;
    ColoursPanel colours;
    PalettePanel palette;
    Surface nothing;

    // The knob picture must be there before the first slider.
    void loadSliderPictures() {
        if (!sliders.built) {
            loadPanelPicture(knob, "tab");
            sliders.build(knob);
        }
    }
};

namespace {

constexpr int kStartUpBrushSize = 30;
constexpr IntRect kAboveStyles{0, 0, layout::kPropertiesWidth, layout::kPropertiesVisibleHeight};

constexpr PanelPlacement kPlacements[] = {
    {WindowId::Tools, " Tools", false, 10, 65, layout::kToolsWidth, layout::kToolsHeight},
    {WindowId::Properties, " Brush Properties", true, -310, 65, layout::kPropertiesWidth,
     layout::kPropertiesHeight},
    {WindowId::Colours, " Colors", true, -310, 337, layout::kColoursWidth, layout::kColoursHeight},
    {WindowId::Palette, " Palette", true, -310, 463, layout::kPaletteWidth, layout::kPaletteHeight},
};

static_assert(kStylesPlacement.y == layout::kPropertiesVisibleHeight &&
              kStylesPlacement.width == layout::kStylesWidth &&
              kStylesPlacement.height == layout::kStylesHeight);

}  // namespace

std::span<const PanelPlacement> floatingPanelPlacements() {
    return kPlacements;
}

Panels::Panels() : parts_(std::make_unique<Parts>()) {}
Panels::~Panels() = default;

void Panels::buildPalettePanel(AppState& state) {
    parts_->loadSliderPictures();
    parts_->palette.build(state, parts_->sliders);
}

void Panels::prepare(AppState& state, PanelWindows& windows) {
    Parts& p = *parts_;
    p.loadSliderPictures();
    p.properties.prepare(state, p.sliders);
    p.colours.prepare(state, p.sliders);
    p.tools.build();
    p.styles.create(state, p.sliders);
    selectTool(state, windows);
    const BrushPalette& brushes = p.palette.brushes();
    if (brushes[brushes.current()].used) {
        state.brush = brushes[brushes.current()].record;
    }
    state.brush.size = kStartUpBrushSize;
    state.colourChanged = true;
}

void Panels::saveLists(const AppState&) {
    parts_->palette.saveLists();
}

void Panels::handle(AppState& state, const LoopMessage& message, PanelWindows& windows) {
    Parts& p = *parts_;
    switch (message.target) {
        case WindowId::Tools:
            if (p.tools.handle(state, message, windows)) {
                selectTool(state, windows);
            }
            break;
        case WindowId::Properties:
            p.properties.handle(state, message, windows);
            break;
        case WindowId::Styles:
            p.styles.handle(state, message, windows);
            break;
        case WindowId::Colours:
            p.colours.handle(state, message, windows);
            break;
        case WindowId::Palette:
            if (p.palette.handle(state, message, windows)) {
                p.tools.showTool(state.brush.tool);
            }
            break;
        default:
            break;
    }
}

const Surface& Panels::picture(AppState& state, WindowId window) {
    Parts& p = *parts_;
    switch (window) {
        case WindowId::Tools:
            return p.tools.picture();
        case WindowId::Properties:
            return p.properties.picture();
        case WindowId::Styles:
            return p.styles.picture(state);
        case WindowId::Colours:
            return p.colours.picture();
        case WindowId::Palette:
            return p.palette.picture();
        default:
            return p.nothing;
    }
}

std::string Panels::toolTip(WindowId window, int x, int y) const {
    return window == WindowId::Tools ? parts_->tools.toolTip(x, y) : std::string();
}

void Panels::colourDragStep(AppState& state, PanelWindows& windows) {
    parts_->colours.dragStep(state, windows);
}

void Panels::propertiesDragStep(AppState& state, PanelWindows& windows) {
    parts_->properties.dragStep(state, windows);
}

void Panels::colourPicked(AppState& state, PanelWindows& windows) {
    parts_->colours.followBrush(state, windows);
}

void Panels::colourChanged(AppState& state, PanelWindows& windows) {
    parts_->colours.followBrush(state, windows);
    windows.repaint(WindowId::Styles);
    selectTool(state, windows);
}

void Panels::refreshPreview(AppState& state, PanelWindows& windows) {
    parts_->properties.refreshPreview(state);
    windows.repaint(WindowId::Properties, &kAboveStyles);
}

void Panels::selectTool(AppState& state, PanelWindows& windows) {
    Parts& p = *parts_;
    p.tools.showTool(state.brush.tool);
    const ToolInfo* tool = findTool(state.brush.tool);
    if (tool != nullptr && !tool->caption.empty()) {
        p.properties.showControls(tool->exposure);
        p.properties.compose();
        p.styles.enableRows(tool->exposure.paintStyleRow, tool->exposure.textureRow);
        windows.repaint(WindowId::Styles);
        windows.setCaption(WindowId::Properties, std::string(tool->caption));
        windows.repaint(WindowId::Properties, &kAboveStyles);
    }
    windows.repaint(WindowId::Tools);
}

}  // namespace dw
