#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dw::platform {

enum class FileDialogKind { Open, Save };

struct FileFilter {
    std::string displayText;
    std::string pattern;  // "*.pai" or several joined by ';'
};

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // empty: none
    std::string title;             // the command that asks; empty: the toolkit's own
    std::string startPath;         // a folder, or a file in the folder, to open at
    // How a typed name becomes the file written, applied before the dialog asks whether to
    // replace a file that exists; empty: as typed.
    std::function<std::string(const std::string&)> completeName;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> ask(const FileDialogRequest& request) = 0;
};

void installFileDialogs(FileDialogs* backend);
std::optional<std::string> askFileName(const FileDialogRequest& request);

}  // namespace dw::platform
