#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
class PanelWindows;
class Surface;

// Where a floating panel is created: its title, its screen position and its client size.
struct PanelPlacement {
    WindowId window;
    std::string_view title;  // " Tools"
    bool fromRightEdge;      // x counts from the desktop's client width: x = width + x
    int x;
    int y;
    int width;
    int height;
};

// The four floating panels in the order the frame creates them: tools, brush properties,
// colours, palette. The styles panel is a child of the properties panel (kStylesPlacement).
std::span<const PanelPlacement> floatingPanelPlacements();
inline constexpr PanelPlacement kStylesPlacement{WindowId::Styles, "", false, 0, 160, 280, 80};

// The floating panels' window procedures and pictures. Qt-free: the GUI hosts them in
// windows, translates the windows' events into messages and passes them on.
class Panels {
  public:
    Panels();
    ~Panels();
    Panels(const Panels&) = delete;
    Panels& operator=(const Panels&) = delete;

    // Start-up, while the splash is shown: the palette panel's pictures and the preset lists.
    void buildPalettePanel(AppState& state);
    // Start-up, once the windows exist: the panels' first contents, then the current brush
    // from the palette.
    void prepare(AppState& state, PanelWindows& windows);
    // Shut-down: the preset lists are written back.
    void saveLists(const AppState& state);

    // A message for the tools, properties, styles, colours or palette window. Keys never
    // come here: every window hands them to the frame's keyboard routine.
    void handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    // What the window shows: its picture, copied to the client area at (0, 0).
    const Surface& picture(AppState& state, WindowId window);
    // The words a tooltip gives for the point (x, y) of the window, or nothing.
    std::string toolTip(WindowId window, int x, int y) const;

    // The main loop's panel work (see LoopWindows).
    void colourDragStep(AppState& state, PanelWindows& windows);
    void propertiesDragStep(AppState& state, PanelWindows& windows);
    void colourPicked(AppState& state, PanelWindows& windows);
    // colourChanged was set: sliders, swatch and styles panel follow the brush; SelectTool.
    void colourChanged(AppState& state, PanelWindows& windows);
    // RefreshPreview and the repaint of the properties panel; clears propertiesRefresh.
    void refreshPreview(AppState& state, PanelWindows& windows);
    // The tool changed (tools panel, Space key, palette): SelectTool.
    void selectTool(AppState& state, PanelWindows& windows);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace dw
