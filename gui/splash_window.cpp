#include "gui/splash_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <chrono>

#include "canvas/surface.h"
#include "core/main_loop/loop_message.h"
#include "gui/surface_image.h"
#include "platform/message_box.h"

namespace dw {
namespace {

constexpr int kFrame = 2;  // the dialog frame drawn around the picture
constexpr auto kAutomaticClose = std::chrono::milliseconds(2500);

class SplashWindow : public QWidget {
  public:
    SplashWindow(const Surface& picture, MessageQueue& queue)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          picture_(picture),
          queue_(queue) {
        setWindowTitle(QStringLiteral("Splash Screen"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(int(picture.width()) + 2 * kFrame, int(picture.height()) + 2 * kFrame);
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        move(desktop.x() + (desktop.width() - width()) / 2,
             desktop.y() + (desktop.height() - height()) / 2);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.setPen(palette().dark().color());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.translate(kFrame, kFrame);
        drawSurface(painter, picture_, {0, 0, int(picture_.width()), int(picture_.height())});
    }
    void mousePressEvent(QMouseEvent*) override { dismiss(); }
    void keyPressEvent(QKeyEvent*) override { dismiss(); }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowDeactivate) {
            dismiss();
        }
        return QWidget::event(event);
    }

  private:
    void dismiss() { queue_.post(messageTo(WindowId::Splash, MessageKind::Close)); }

    const Surface& picture_;
    MessageQueue& queue_;
};

// Paints the window before the work starts, which serves no messages until it ends.
void waitUntilShown(QWidget& window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    window.repaint();
}

}  // namespace

void ShowSplash(const Surface& picture, SplashClosing closing, const std::function<void()>& work,
                MessageQueue& queue) {
    if (!picture.valid()) {
        platform::showMessage("Failed To Load Bitmap", "Error", platform::MessageIcon::Error);
        return;
    }
    SplashWindow window(picture, queue);
    window.show();
    window.raise();
    window.activateWindow();
    waitUntilShown(window);
    const auto shown = std::chrono::steady_clock::now();
    if (work) {
        work();
    }
    bool dismissed = false;
    LoopMessage message;
    while (!dismissed) {
        if (closing == SplashClosing::Automatic &&
            std::chrono::steady_clock::now() - shown > kAutomaticClose) {
            dismissed = true;
        }
        QThread::msleep(10);
        QCoreApplication::processEvents();
        dismissed = queue.takeFor(WindowId::Splash, message) || dismissed;
    }
    // Anything else the splash was told (a second click) goes with it.
    while (queue.takeFor(WindowId::Splash, message)) {
    }
}

}  // namespace dw
