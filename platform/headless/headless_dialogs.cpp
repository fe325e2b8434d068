#include "platform/headless/headless_dialogs.h"

namespace dw::platform {

std::optional<std::string> HeadlessFileDialogs::ask(const FileDialogRequest& request) {
    asked_.push_back(request);
    if (answers_.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace dw::platform
