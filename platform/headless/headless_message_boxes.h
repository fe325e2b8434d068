#pragma once

#include <deque>
#include <vector>

#include "platform/message_box.h"

namespace dw::platform {

// Prints "Caption: text" to standard error and answers with the default button, unless a test
// has queued answers. Everything shown is kept so that tests can read it back.
class HeadlessMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(const Message& message) override;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<Message>& shown() const { return shown_; }
    void clear() {
        shown_.clear();
        answers_.clear();
    }
    void setEcho(bool echo) { echo_ = echo; }

  private:
    std::deque<MessageAnswer> answers_;
    std::vector<Message> shown_;
    bool echo_ = true;
};

}  // namespace dw::platform
