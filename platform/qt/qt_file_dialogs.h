#pragma once

#include <string>

#include "platform/file_dialog.h"

class QWidget;

namespace dw::platform {

// The open and save dialogs, titled by the command that asks, opening where the request says.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> ask(const FileDialogRequest& request) override;
    void setFrame(QWidget* frame) { frame_ = frame; }

  private:
    QWidget* frame_ = nullptr;
};

// Qt's form of a filter: "Daubwerk file (*.pai)"; patterns joined by ';' become spaces.
std::string qtNameFilter(const FileFilter& filter);

}  // namespace dw::platform
