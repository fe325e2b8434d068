#pragma once

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
