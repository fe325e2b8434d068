#include "panels/panel_registry.h"

#include <type_traits>

#include "core/main_loop/drag_state.h"
#include "panels/colours_panel.h"
#include "panels/palette_panel.h"
#include "panels/properties_panel.h"
#include "panels/styles_panel.h"
#include "panels/tools_panel.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

template <class P>
std::unique_ptr<Panel> make(PanelShared& shared) {
    if constexpr (std::is_constructible_v<P, PanelShared&>) {
        return std::make_unique<P>(shared);
    } else {
        return std::make_unique<P>();
    }
}

constexpr WindowId kFloating = WindowId::Frame;
constexpr int kRightColumn = -310;

// The drag slots give the order in which pressed panels lead: colours, properties, tools,
// styles, palette.
constexpr PanelRow kRows[] = {
    {.window = WindowId::Tools,
     .title = " Tools",
     .parent = kFloating,
     .placement = {false, 10, 65, layout::kToolsWidth, layout::kToolsHeight},
     .menuCommand = 1100,
     .dragSlot = 2,
     .pressed = PressedWork::None,
     .make = make<ToolsPanel>},
    {.window = WindowId::Properties,
     .title = " Brush Properties",
     .parent = kFloating,
     .placement = {true, kRightColumn, 65, layout::kPropertiesWidth, layout::kPropertiesHeight},
     .menuCommand = 1102,
     .dragSlot = 1,
     .pressed = PressedWork::EveryPass,
     .make = make<PropertiesPanel>},
    {.window = WindowId::Colours,
     .title = " Colors",
     .parent = kFloating,
     .placement = {true, kRightColumn, 337, layout::kColoursWidth, layout::kColoursHeight},
     .menuCommand = 1101,
     .dragSlot = 0,
     .pressed = PressedWork::EveryPass,
     .make = make<ColoursPanel>},
    {.window = WindowId::Palette,
     .title = " Palette",
     .parent = kFloating,
     .placement = {true, kRightColumn, 463, layout::kPaletteWidth, layout::kPaletteHeight},
     .menuCommand = 1103,
     .dragSlot = 4,
     .pressed = PressedWork::KeepSlider,
     .make = make<PalettePanel>},
    // Under the sample stroke and the sliders of the brush properties.
    {.window = WindowId::Styles,
     .title = "",
     .parent = WindowId::Properties,
     .placement = {false, 0, layout::kPropertiesVisibleHeight, layout::kStylesWidth,
                   layout::kStylesHeight},
     .menuCommand = 0,
     .dragSlot = 3,
     .pressed = PressedWork::KeepSlider,
     .make = make<StylesPanel>},
};

// A panel inside another comes after it, so that the window it goes in is there.
constexpr bool rowsFit() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (kRows[i].dragSlot < 0 || kRows[i].dragSlot >= DragStates::kPanelSlots) {
            return false;
        }
        bool parentBefore = kRows[i].parent == kFloating;
        for (std::size_t j = 0; j < i; ++j) {
            parentBefore = parentBefore || kRows[j].window == kRows[i].parent;
            if (kRows[j].window == kRows[i].window || kRows[j].dragSlot == kRows[i].dragSlot ||
                (kRows[i].menuCommand != 0 && kRows[j].menuCommand == kRows[i].menuCommand)) {
                return false;
            }
        }
        if (!parentBefore) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFit(),
              "each panel needs its own window, drag slot and menu item, and its "
              "parent's row before its own");

}  // namespace

std::span<const PanelRow> panelRows() {
    return kRows;
}

const PanelRow* findPanelRow(WindowId window) {
    for (const PanelRow& row : kRows) {
        if (row.window == window) {
            return &row;
        }
    }
    return nullptr;
}

const PanelRow* panelOfMenuCommand(int commandId) {
    for (const PanelRow& row : kRows) {
        if (row.menuCommand != 0 && row.menuCommand == commandId) {
            return &row;
        }
    }
    return nullptr;
}

int windowMenuCommand(WindowId window) {
    const PanelRow* row = findPanelRow(window);
    return row ? row->menuCommand : 0;
}

}  // namespace dw
