#include "app/gui/panel_window.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/commands/frame_procedure.h"
#include "app/gui/surface_image.h"
#include "canvas/surface.h"
#include "panels/panels.h"

namespace dw {

PanelWindow::PanelWindow(QWidget& frame, WindowId window, AppState& state, Panels& panels,
                         MessageQueue& queue)
    : MessageWidget(&frame, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint, queue,
                    window),
      state_(state),
      panels_(panels) {
    setUp();
}

PanelWindow::PanelWindow(PanelWindow& parent, WindowId window, AppState& state, Panels& panels,
                         MessageQueue& queue)
    : MessageWidget(&parent, {}, queue, window), state_(state), panels_(panels) {
    setUp();
}

void PanelWindow::setUp() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
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
