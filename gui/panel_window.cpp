#include "gui/panel_window.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "canvas/surface.h"
#include "gui/surface_image.h"
#include "panels/panel_registry.h"
#include "panels/panels.h"

namespace dw {

PanelWindow::PanelWindow(QWidget& frame, WindowId window, AppState& state, Panels& panels,
                         MessageQueue& queue)
    : MessageWidget(
          &frame,
          Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
          queue, window),
      state_(state),
      panels_(panels) {
    setUp();
}

PanelWindow::PanelWindow(PanelWindow& parent, WindowId window, AppState& state, Panels& panels,
                         MessageQueue& queue)
    : MessageWidget(&parent, {}, queue, window), state_(state), panels_(panels) {
    setUp();
}

void PanelWindow::place(int x, int y) {
    // Before the native window exists, so that the frame's corner lands there, not the
    // client area's.
    move(x, y);
    create();
    // Window managers that choose a window's buttons by its type and not by the buttons asked
    // for give a toolbar a close box only; Qt sets the type only on a native window.
    setAttribute(Qt::WA_X11NetWmWindowTypeToolBar);
}

void PanelWindow::setUp() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
}

bool PanelWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return MessageWidget::event(event);
    }
    const auto* help = static_cast<const QHelpEvent*>(event);
    const std::string tip = panels_.toolTip(events().window(), help->x(), help->y());
    if (tip.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromUtf8(tip.data(), qsizetype(tip.size())),
                           this);
    }
    return true;
}

void PanelWindow::paintEvent(QPaintEvent* event) {
    const QRect update = event->region().boundingRect();
    QPainter painter(this);
    const Surface& picture = panels_.picture(state_, events().window());
    // A missing picture leaves a plain panel rather than whatever the screen held.
    if (!picture.valid() || int(picture.width()) < width() || int(picture.height()) < height()) {
        painter.fillRect(update, palette().window());
    }
    drawSurface(painter, picture,
                {update.left(), update.top(), update.right() + 1, update.bottom() + 1});
}

}  // namespace dw

namespace dw {

void PanelWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    LoopMessage message = messageTo(WindowId::Frame, MessageKind::Command);
    message.code = uint32_t(windowMenuCommand(events().window()));
    events().queue().post(message);
}

}  // namespace dw
