#pragma once

#include "core/main_loop/drag_state.h"
#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
class PanelWindows;

// The panel's own mouse state: its pressed flag and the last pointer position.
DragState& panelDrag(AppState& state, WindowId panel);

// Ends the drags whose work runs in every pass: the canvas's and those of the panels with a
// drag step.
void endDragsThatStep(AppState& state);

// What every panel does with a pointer message before its own handling. A move, press or
// release over a panel ends the drags of every other window (the canvas included); a move
// stores the position and asks once for a leave notice; leaving ends every drag.
void handlePanelPointer(AppState& state, const LoopMessage& message, PanelWindows& windows);

// Starts or ends the panel's own press; buttonHeld follows where the panel says so.
enum class HoldsButton { No, Yes };
void pressPanel(AppState& state, WindowId panel, HoldsButton holds);
void releasePanel(AppState& state, WindowId panel, HoldsButton holds);

// The common handling for a panel whose press holds the button: the press and release set
// and clear its pressed flag and buttonHeld.
void handleHoldingPanel(AppState& state, const LoopMessage& message, PanelWindows& windows);

// A press that opened a message box or a file dialog ended there: the release went to the
// dialog, so the panel lets go and the main loop stops repeating the press.
void pressEndedInDialog(AppState& state, WindowId panel);

}  // namespace dw
