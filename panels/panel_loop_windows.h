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

    void colourDragStep(AppState& state) override;
    void propertiesDragStep(AppState& state) override;
    void colourPicked(AppState& state) override;
    void colourChanged(AppState& state) override;
    void refreshPreview(AppState& state) override;
    // Messages for the tools, properties, styles, colours and palette windows.
    void deliver(AppState& state, const LoopMessage& message) override;

  private:
    Panels& panels_;
    PanelWindows& windows_;
};

}  // namespace dw
