#include "gui/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>

#include "canvas/undo_history.h"
#include "commands/command_ids.h"
#include "commands/menu_table.h"

namespace dw {
namespace {

// Where the painting lies: a neutral grey that does not colour the painter's judgement.
QWidget* makeClient(QWidget& frame) {
    auto* client = new QWidget(&frame);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    return client;
}

}  // namespace

FrameWindow::FrameWindow(MessageQueue& queue)
    : queue_(queue), events_(queue, WindowId::Frame, *this) {
    setWindowTitle(QStringLiteral("Daubwerk"));
    setAcceptDrops(true);
    client_ = makeClient(*this);
    setCentralWidget(client_);
    for (const Menu& menu : mainMenu()) {
        QMenu* popup = menuBar()->addMenu(QString::fromUtf8(menu.label.data(), menu.label.size()));
        addItems(*popup, menu.items.data(), menu.items.size());
    }
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, this,
                     [this](Qt::ApplicationState state) {
                         post(MessageKind::Activate, state == Qt::ApplicationActive ? 1 : 0);
                     });
}

void FrameWindow::addItems(QMenu& menu, const MenuItem* items, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const MenuItem& item = items[i];
        const QString label = QString::fromUtf8(item.label.data(), qsizetype(item.label.size()));
        if (item.isSeparator()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            addItems(*menu.addMenu(label), item.submenu.data(), item.submenu.size());
        } else {
            // The text after the tab is shown as the shortcut; the keyboard routine serves it.
            QAction* action = menu.addAction(label);
            action->setCheckable(item.checkable);
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, this, [this, action, id] {
                // Qt flips a check mark by itself; the command sets it, and reads it to
                // know whether its panel is shown, so the flip is taken back first.
                if (action->isCheckable()) {
                    action->setChecked(!action->isChecked());
                }
                post(MessageKind::Command, uint32_t(id));
            });
            actions_[id] = action;
        }
    }
}

void FrameWindow::post(MessageKind kind, uint32_t code, std::string text) {
    LoopMessage message = messageTo(WindowId::Frame, kind);
    message.code = code;
    message.text = std::move(text);
    queue_.post(message);
}

QAction* FrameWindow::action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void FrameWindow::setChecked(int commandId, bool checked) {
    if (QAction* item = action(commandId)) {
        item->setChecked(checked);
    }
}

bool FrameWindow::isChecked(int commandId) const {
    const QAction* item = action(commandId);
    return item && item->isChecked();
}

void FrameWindow::showHistory(const UndoHistory& history) {
    action(command::kUndo)->setEnabled(history.undoEnabled());
    action(command::kRedo)->setEnabled(history.redoEnabled());
}

void FrameWindow::destroy() {
    destroying_ = true;
    close();
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    event->ignore();
    post(MessageKind::Close);
}

void FrameWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool wasMinimised = change->oldState().testFlag(Qt::WindowMinimized);
        if (isMinimized() != wasMinimised) {
            post(MessageKind::Activate, isMinimized() ? 0 : 1);
        }
    }
    QMainWindow::changeEvent(event);
}

void FrameWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void FrameWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        post(MessageKind::DropFile, 0, urls.front().toLocalFile().toStdString());
        event->acceptProposedAction();
    }
}

}  // namespace dw
