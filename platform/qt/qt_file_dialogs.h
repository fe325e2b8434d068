#pragma once

#include <string>

#include "platform/file_dialog.h"

class QWidget;

namespace dw::platform {

// The open and save dialogs. One remembered path is shared by every dialog, so the folder
// and name chosen last are offered again.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> ask(const FileDialogRequest& request) override;
    void setFrame(QWidget* frame) { frame_ = frame; }

  private:
    QWidget* frame_ = nullptr;
    std::string lastPath_;
};

// Qt's form of a filter: "Daubwerk file (*.pai)"; patterns joined by ';' become spaces.
std::string qtNameFilter(const FileFilter& filter);

// The path to offer in a dialog: the last one, with its extension changed to the one a save
// dialog adds, so that Enter never writes one kind of file under another kind's name.
std::string offeredPath(const std::string& lastPath, const FileDialogRequest& request);

}  // namespace dw::platform
