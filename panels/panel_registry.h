#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "core/main_loop/loop_message.h"

namespace dw {

class Panel;
struct PanelShared;

// Where a panel's window goes and its client size. A floating panel's x counts from the
// desktop's left edge, or from its right edge (x = width + x); a panel inside another one is
// placed in that one's client area.
struct PanelPlacement {
    bool fromRightEdge;
    int x;
    int y;
    int width;
    int height;
};

// What a pressed panel does between its own messages.
enum class PressedWork : uint8_t {
    None,        // nothing: it has no sliders, and a slider's hold on the drag ends
    KeepSlider,  // its sliders follow its messages; the slider that holds the drag keeps it
    EveryPass,   // a drag step in every main-loop pass; its slider keeps the drag as well
};

// One panel: everything the program needs to know of it, besides its own files.
struct PanelRow {
    WindowId window;
    std::string_view title;  // the caption, and the label of its Window menu item
    WindowId parent;         // Frame for a floating panel
    PanelPlacement placement;
    int menuCommand;  // the Window menu item that shows and hides it, 0 for none
    int dragSlot;     // its place in DragStates::panels
    PressedWork pressed;
    std::unique_ptr<Panel> (*make)(PanelShared& shared);
};

// The panels in the order the frame creates them, which is also the order of the Window menu.
std::span<const PanelRow> panelRows();
const PanelRow* findPanelRow(WindowId window);
const PanelRow* panelOfMenuCommand(int commandId);
// The Window menu item that shows and hides the panel, 0 for none.
int windowMenuCommand(WindowId window);

}  // namespace dw
