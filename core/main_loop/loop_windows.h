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

    // The panels' part of a pass. While the canvas is not pressed: the drag step of the
    // pressed panel in the leading slot (DragStates::leadingPanel, -1 when none is pressed).
    virtual void panelDragStep(AppState&, int /*leadingSlot*/) {}
    // The Eye Dropper set the colour: bring the panels up to date at once.
    virtual void colourPicked(AppState&) {}
    // colourChanged was set: the canvas and the panels follow the colour, tool and brush.
    virtual void colourChanged(AppState&) {}
    // Once every pass, after the notices: the work the panels time themselves.
    virtual void panelPass(AppState&) {}
    // Whether the panels have work for passes that bring no new message.
    virtual bool panelsBusy(const AppState&) const { return false; }

    // Key messages to the canvas window and every message for another window.
    virtual void keyboard(AppState&, const LoopMessage&) {}
    virtual void deliver(AppState&, const LoopMessage&) {}
};

}  // namespace dw
