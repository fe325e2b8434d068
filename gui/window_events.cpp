#include "gui/window_events.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>

#include "gui/key_codes.h"

namespace dw {
namespace {

constexpr int kPixelsPerWheelStep = 40;

MessageKind pressKind(Qt::MouseButton button) {
    return button == Qt::RightButton    ? MessageKind::RightButtonDown
           : button == Qt::MiddleButton ? MessageKind::MiddleButtonDown
                                        : MessageKind::LeftButtonDown;
}

MessageKind releaseKind(Qt::MouseButton button) {
    return button == Qt::RightButton    ? MessageKind::RightButtonUp
           : button == Qt::MiddleButton ? MessageKind::MiddleButtonUp
                                        : MessageKind::LeftButtonUp;
}

// The middle button drags the painting; the panels have no use for it.
bool servedButton(Qt::MouseButton button, WindowId window) {
    return button == Qt::LeftButton || button == Qt::RightButton ||
           (button == Qt::MiddleButton && window == WindowId::Canvas);
}

}  // namespace

void WindowEvents::post(MessageKind kind, const QSinglePointEvent& event, WindowId target,
                        const QTabletEvent* pen) {
    const QPoint local = event.position().toPoint();
    const QPoint screen = event.globalPosition().toPoint();
    LoopMessage message = messageTo(target, kind, local.x(), local.y());
    message.screen = {screen.x(), screen.y()};
    message.altDown = event.modifiers().testFlag(Qt::AltModifier);
    if (pen) {
        message.pen = true;
        message.pressure = float(pen->pressure());
    }
    if (kind == MessageKind::PointerMove) {
        queue_.postMove(message);
    } else {
        queue_.post(message);
    }
}

bool WindowEvents::pointerOutside(const QSinglePointEvent& event) {
    const bool over = widget_.rect().contains(event.position().toPoint());
    if (!over && event.buttons() != Qt::NoButton) {
        if (!outside_) {
            outside_ = true;
            leave();
        }
        return true;
    }
    outside_ = false;
    return false;
}

void WindowEvents::mouseMove(const QMouseEvent& event) {
    if (!pointerOutside(event)) {
        post(MessageKind::PointerMove, event, window_);
    }
}

bool WindowEvents::tablet(const QTabletEvent& event) {
    stylusNear(event.pointerType() == QPointingDevice::PointerType::Eraser);
    switch (event.type()) {
        case QEvent::TabletMove:
            if (!pointerOutside(event)) {
                post(MessageKind::PointerMove, event, window_, &event);
            }
            return true;
        case QEvent::TabletPress:
            if (event.button() != Qt::LeftButton) {
                return false;  // the barrel buttons act as the mouse's
            }
            post(MessageKind::LeftButtonDown, event, window_, &event);
            return true;
        case QEvent::TabletRelease: {
            if (event.button() != Qt::LeftButton) {
                return false;
            }
            const WindowId target = outside_ ? WindowId::Frame : window_;
            outside_ = false;
            post(MessageKind::LeftButtonUp, event, target, &event);
            return true;
        }
        default:
            return false;
    }
}

void WindowEvents::wheel(const QWheelEvent& event) {
    // A touchpad says how far in pixels; a wheel in steps of 120.
    QPoint by = event.pixelDelta();
    if (by.isNull()) {
        by = event.angleDelta() * kPixelsPerWheelStep / 120;
    }
    if (event.modifiers().testFlag(Qt::ShiftModifier) && by.x() == 0) {
        by = {by.y(), 0};
    }
    const QPoint at = event.position().toPoint();
    LoopMessage message = messageTo(WindowId::Frame, MessageKind::Wheel, at.x(), at.y());
    message.scroll = {by.x(), by.y()};
    message.controlDown = event.modifiers().testFlag(Qt::ControlModifier);
    queue_.post(message);
}

void WindowEvents::pinch(double spread, QPoint at) {
    constexpr double kSpreadPerStep = 0.25;
    pinched_ += spread;
    if (std::abs(pinched_) < kSpreadPerStep) {
        return;
    }
    LoopMessage message = messageTo(WindowId::Frame, MessageKind::Wheel, at.x(), at.y());
    message.scroll = {0, pinched_ > 0 ? 1 : -1};
    message.controlDown = true;
    queue_.post(message);
    pinched_ = 0.0;
}

void WindowEvents::stylusNear(bool eraserEnd) {
    if (eraserEnd == eraserNear_) {
        return;
    }
    eraserNear_ = eraserEnd;
    LoopMessage message = messageTo(window_, MessageKind::StylusEnd);
    message.code = eraserEnd ? 1 : 0;
    queue_.post(message);
}

void WindowEvents::mousePress(const QMouseEvent& event) {
    if (servedButton(event.button(), window_)) {
        post(pressKind(event.button()), event, window_);
    }
}

void WindowEvents::mouseRelease(const QMouseEvent& event) {
    if (!servedButton(event.button(), window_)) {
        return;
    }
    // Released away from the window it was pressed in: the frame ends every drag.
    const WindowId target = outside_ ? WindowId::Frame : window_;
    outside_ = false;
    post(releaseKind(event.button()), event, target);
}

void WindowEvents::leave() {
    if (!leaveTracked_) {
        return;
    }
    leaveTracked_ = false;
    queue_.post(messageTo(window_, MessageKind::PointerLeave));
}

void WindowEvents::key(const QKeyEvent& event, bool down) {
    // Windows repeats only the key-down of a held key.
    if (!down && event.isAutoRepeat()) {
        return;
    }
    const uint32_t code = virtualKeyCode(event.key());
    if (code == 0) {
        return;
    }
    LoopMessage message = messageTo(window_, down ? MessageKind::KeyDown : MessageKind::KeyUp);
    message.code = code;
    // The modifier state of Ctrl's own event does not yet (or still) include Ctrl.
    message.controlDown =
        event.key() == Qt::Key_Control ? down : event.modifiers().testFlag(Qt::ControlModifier);
    queue_.post(message);
}

}  // namespace dw
