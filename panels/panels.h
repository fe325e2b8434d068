#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/surface.h"
#include "core/main_loop/loop_message.h"
#include "panels/panel_shared.h"

namespace dw {

struct AppState;
class Panel;
class PanelWindows;

// The panels of the registry, each run through its Panel interface. Qt-free: the GUI hosts
// them in windows, translates the windows' events into messages and passes them on.
class Panels {
  public:
    Panels();
    ~Panels();
    Panels(const Panels&) = delete;
    Panels& operator=(const Panels&) = delete;

    // Start-up, while the splash is shown: pictures that need the loaded patterns, and the
    // preset lists.
    void loadWhileSplashShows(AppState& state);
    // Start-up, once the windows exist: the panels' first contents, the start-up tool, then
    // the current brush from the palette.
    void prepare(AppState& state, PanelWindows& windows);
    // Shut-down: the preset lists are written back.
    void saveLists(const AppState& state);

    // A message for a panel's window.
    void handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    // What the window shows: its picture, copied to the client area at (0, 0).
    const Surface& picture(AppState& state, WindowId window);
    // The words a tooltip gives for the point (x, y) of the window, or nothing.
    std::string toolTip(WindowId window, int x, int y) const;

    // The main loop's panel work (see LoopWindows).
    void dragStep(AppState& state, int leadingSlot, PanelWindows& windows);
    void colourPicked(AppState& state, PanelWindows& windows);
    // colourChanged was set: the panels follow the brush, then SelectTool.
    void colourChanged(AppState& state, PanelWindows& windows);
    void pass(AppState& state, PanelWindows& windows);
    bool busy(const AppState& state) const;
    // The tool changed (tools panel, Space key, palette): SelectTool.
    void selectTool(AppState& state, PanelWindows& windows);

  private:
    Panel* find(WindowId window) const;

    PanelShared shared_;
    std::vector<std::unique_ptr<Panel>> panels_;  // by row
    Surface nothing_;
};

}  // namespace dw
