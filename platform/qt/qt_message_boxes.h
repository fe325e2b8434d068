#pragma once

#include "platform/message_box.h"

class QWidget;

namespace dw::platform {

// Message boxes as Qt shows them: caption, text, icon and buttons as asked. A box owned by
// the frame is modal over it; one without an owner stands on its own.
class QtMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(const Message& message) override;
    void setFrame(QWidget* frame) { frame_ = frame; }

  private:
    QWidget* frame_ = nullptr;
};

}  // namespace dw::platform
