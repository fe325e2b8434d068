#pragma once

#include "canvas/canvas_view.h"
#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;

// What a main-loop pass asks of the windows around the painting. The GUI draws, paces and
// runs its panels here; the defaults do nothing, which is what --play and the tests need.
class LoopWindows {
  public:
    virtual ~LoopWindows() = default;

    // At the start of a pass and before its message goes out: the GUI starts its frame timer,
    // then busy-waits until the pass has lasted 3 ms.
    virtual void passStarted() {}
    virtual void pace() {}

    // The canvas window, in its client coordinates.
    virtual void invalidateCanvas(const IntRect&) {}
    virtual void invalidateWholeCanvas() {}
    virtual void updateCanvas() {}
    // The Hand Tool changed canvasWindowPos.
    virtual void moveCanvasWindow(const ScreenPoint&) {}
    // Leave notifications for the canvas window; true when they will come.
    virtual bool trackPointerLeave() { return true; }

    // The panels' parts of a pass.
    virtual void colourDragStep(AppState&) {}
    virtual void propertiesDragStep(AppState&) {}
    // The Eye Dropper set the colour: bring the colours panel up to date at once.
    virtual void colourPicked(AppState&) {}
    // colourChanged was set: repaint the canvas, the colours and styles panels, SelectTool.
    virtual void colourChanged(AppState&) {}
    // RefreshPreview and the repaint of the properties panel; must clear propertiesRefresh.
    virtual void refreshPreview(AppState& state);

    // Key messages to the canvas window and every message for another window.
    virtual void keyboard(AppState&, const LoopMessage&) {}
    virtual void deliver(AppState&, const LoopMessage&) {}
};

}  // namespace dw
