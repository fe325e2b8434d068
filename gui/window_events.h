#pragma once

#include "core/main_loop/loop_message.h"

class QKeyEvent;
class QMouseEvent;
class QSinglePointEvent;
class QTabletEvent;
class QWheelEvent;
class QWidget;
class QPoint;

namespace dw {

// Turns one window's Qt events into messages for the main loop's queue; it never acts on
// them. Pointer positions are the window's client coordinates.
class WindowEvents {
  public:
    WindowEvents(MessageQueue& queue, WindowId window, QWidget& widget)
        : queue_(queue), window_(window), widget_(widget) {}

    void mouseMove(const QMouseEvent& event);
    void mousePress(const QMouseEvent& event);
    void mouseRelease(const QMouseEvent& event);
    void leave();
    void key(const QKeyEvent& event, bool down);
    // A pen on a tablet: its tip presses like the left button, its moves bring the pressure,
    // and turning the stylus round says which end is near. True when the event was used.
    bool tablet(const QTabletEvent& event);
    // The wheel moves the painting (Shift: sideways); with Ctrl it zooms around the pointer.
    void wheel(const QWheelEvent& event);
    // A touchpad's pinch zooms as Ctrl and the wheel do, a step for each quarter it spreads.
    void pinch(double spread, QPoint at);
    void stylusNear(bool eraserEnd);

    // The next time the pointer leaves the window, one PointerLeave message comes.
    bool trackLeave() {
        leaveTracked_ = true;
        return true;
    }
    // The window was recreated: nothing of the old one's pointer state carries over.
    void reset() {
        leaveTracked_ = false;
        outside_ = false;
    }
    WindowId window() const { return window_; }
    MessageQueue& queue() { return queue_; }

  private:
    void post(MessageKind kind, const QSinglePointEvent& event, WindowId target,
              const QTabletEvent* pen = nullptr);
    bool pointerOutside(const QSinglePointEvent& event);

    MessageQueue& queue_;
    WindowId window_;
    QWidget& widget_;
    bool leaveTracked_ = false;
    // Qt keeps sending a held button's moves to the window it was pressed in; the program's
    // windows expect moves only while the pointer is over them, and a leave when it goes.
    bool outside_ = false;
    bool eraserNear_ = false;
    double pinched_ = 0.0;
};

}  // namespace dw
