#include "platform/headless/headless_message_boxes.h"

#include <cstdio>

namespace dw::platform {

MessageAnswer HeadlessMessageBoxes::show(const Message& message) {
    shown_.push_back(message);
    if (echo_) {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    }
    if (answers_.empty()) {
        return defaultAnswer(message.buttons);
    }
    MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace dw::platform
