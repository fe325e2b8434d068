#pragma once

#include <QMainWindow>
#include <map>

#include "gui/window_events.h"

class QAction;
class QMenu;

namespace dw {

class UndoHistory;
struct MenuItem;

// The program's main window, titled "Daubwerk": the menu bar built from the menu table, and
// a client area on which the canvas window lies. Menu choices, the close box, dropped files
// and key presses become messages for the frame.
class FrameWindow : public QMainWindow {
  public:
    explicit FrameWindow(MessageQueue& queue);

    QWidget& client() { return *client_; }
    void setChecked(int commandId, bool checked);
    bool isChecked(int commandId) const;
    // The Edit menu's rule: Undo and Redo are greyed when there is nothing to step to.
    void showHistory(const UndoHistory& history);
    QAction* action(int commandId) const;
    // Lets the next close go through: the closing query has been answered.
    void destroy();
    WindowEvents& events() { return events_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override { events_.key(*event, true); }
    void keyReleaseEvent(QKeyEvent* event) override { events_.key(*event, false); }

  private:
    void addItems(QMenu& menu, const MenuItem* items, std::size_t count);
    void post(MessageKind kind, uint32_t code = 0, std::string text = {});

    MessageQueue& queue_;
    WindowEvents events_;
    QWidget* client_ = nullptr;
    std::map<int, QAction*> actions_;
    bool destroying_ = false;
};

}  // namespace dw
