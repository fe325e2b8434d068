#pragma once

#include <string>

#include "canvas/canvas_view.h"
#include "core/main_loop/loop_message.h"

namespace dw {

// What the panels ask of the windows that show them. The GUI implements it with its floating
// panel windows; tests record the calls.
class PanelWindows {
  public:
    virtual ~PanelWindows() = default;

    // Invalidates (without erasing) the area of the window's client area, or all of it, and
    // repaints it at once.
    virtual void repaint(WindowId window, const IntRect* area = nullptr) = 0;
    // The properties panel's caption follows the tool.
    virtual void setCaption(WindowId window, const std::string& caption) = 0;
    // Asks for one PointerLeave message when the pointer leaves the window; true when it
    // will come.
    virtual bool trackPointerLeave(WindowId window) = 0;
};

}  // namespace dw
