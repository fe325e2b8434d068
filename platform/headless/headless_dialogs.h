#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialog.h"

namespace dw::platform {

// Answers file dialogs from a queue that tests fill; with nothing queued the user "cancels".
class HeadlessFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> ask(const FileDialogRequest& request) override;

    void queueAnswer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    const std::vector<FileDialogRequest>& asked() const { return asked_; }
    void clear() {
        asked_.clear();
        answers_.clear();
    }

  private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogRequest> asked_;
};

}  // namespace dw::platform
