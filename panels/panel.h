#pragma once

#include <cstdint>
#include <string>

#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
class PanelWindows;
class Surface;
struct ToolInfo;

// What a message did beyond the panel itself.
enum class PanelReply : uint8_t { Handled, ToolChosen };

// One panel's procedure and picture and its part of start-up, the main loop and shut-down.
// Its row in the registry says where its window goes and how its drag works.
class Panel {
  public:
    virtual ~Panel() = default;

    // Start-up: while the splash shows, before any window exists; then once they exist.
    virtual void loadWhileSplashShows(AppState&) {}
    virtual void prepare(AppState&) {}
    // Start-up, once every panel shows the start-up tool: the panel that keeps the brushes
    // hands out its current one.
    virtual void handOutStartBrush(AppState&) {}
    // Shut-down.
    virtual void save() const {}

    // A message for the panel's window. Keys never come here: every window hands them to the
    // frame's keyboard routine.
    virtual PanelReply handle(AppState& state, const LoopMessage& message,
                              PanelWindows& windows) = 0;
    // What the window shows, copied to its client area at (0, 0).
    virtual const Surface& picture(AppState& state) = 0;
    // The words a tooltip gives for the point (x, y), or nothing.
    virtual std::string toolTip(int /*x*/, int /*y*/) const { return {}; }

    // A main-loop pass while the panel is pressed and its drag leads, for the panels whose
    // row says that they work in every pass.
    virtual void dragStep(AppState&, PanelWindows&) {}
    // The notices: the Eye Dropper set the colour; the colour, tool or brush changed.
    virtual void colourPicked(AppState&, PanelWindows&) {}
    virtual void colourChanged(AppState&, PanelWindows&) {}
    // The current tool changed (SelectTool); `tool` is its entry of the tool table, or null
    // for Fill and for ids of no tool, which leave the controls as they are.
    virtual void toolSelected(AppState&, const ToolInfo* /*tool*/, PanelWindows&) {}
    // Once every pass, after the notices; busy while that has work in passes without a new
    // message.
    virtual void pass(AppState&, PanelWindows&) {}
    virtual bool busy(const AppState&) const { return false; }
};

}  // namespace dw
