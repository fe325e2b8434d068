#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_message_boxes.h"

namespace dw::test {

// Installs a silent headless message backend for the lifetime of a test and reads back what
// the code under test showed.
class MessageCapture {
  public:
    MessageCapture() {
        boxes_.setEcho(false);
        platform::installMessageBoxes(&boxes_);
    }
    ~MessageCapture() { platform::installMessageBoxes(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const platform::Message& m : boxes_.shown()) {
            result.push_back(m.text);
        }
        return result;
    }
    const std::vector<platform::Message>& shown() const { return boxes_.shown(); }
    platform::HeadlessMessageBoxes& boxes() { return boxes_; }

  private:
    platform::HeadlessMessageBoxes boxes_;
};

}  // namespace dw::test
