#include "platform/qt/qt_message_boxes.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include "platform/qt/dialog_window.h"

namespace dw::platform {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// Qt answers Escape and the close box with the No of a Yes/No question; here they give no
// answer at all, so that a question is never taken as No because it was put away.
class MessageWindow : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    bool dismissed() const { return dismissed_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            dismiss();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        dismiss();
    }

  private:
    void dismiss() {
        dismissed_ = true;
        done(0);
    }

    bool dismissed_ = false;
};

}  // namespace

MessageAnswer QtMessageBoxes::show(const Message& message) {
    QWidget* owner = message.owner == MessageOwner::Frame ? frame_ : nullptr;
    MessageWindow box(iconOf(message.icon), QString::fromStdString(message.caption),
                      QString::fromStdString(message.text), buttonsOf(message.buttons), owner);
    box.setWindowModality(Qt::ApplicationModal);
    // Last: the box sets flags of its own when it is made modal.
    box.setWindowFlags(kDialogWindowFlags);
    const int clicked = box.exec();
    if (box.dismissed()) {
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    switch (clicked) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace dw::platform
