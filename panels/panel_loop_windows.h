#pragma once

#include "core/main_loop/loop_windows.h"

namespace dw {

class Panels;
class PanelWindows;

// The main loop's panel hooks handed to the panels, and the messages of the panel windows.
// The GUI derives its loop windows from it; tests and benchmarks run the loop with it as is.
class PanelLoopWindows : public LoopWindows {
  public:
    PanelLoopWindows(Panels& panels, PanelWindows& windows) : panels_(panels), windows_(windows) {}

    void panelDragStep(AppState& state, int leadingSlot) override;
    void colourPicked(AppState& state) override;
    void colourChanged(AppState& state) override;
    void panelPass(AppState& state) override;
    bool panelsBusy(const AppState& state) const override;
    // Messages for the panels' windows.
    void deliver(AppState& state, const LoopMessage& message) override;

  private:
    Panels& panels_;
    PanelWindows& windows_;
};

}  // namespace dw
