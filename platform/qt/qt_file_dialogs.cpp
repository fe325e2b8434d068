#include "platform/qt/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <algorithm>
#include <filesystem>

#include "platform/qt/dialog_window.h"

namespace dw::platform {
namespace {

// A typed name is completed before Qt's own checks, so that the question whether to replace a
// file asks about the file that will be written.
class CompletingFileDialog : public QFileDialog {
  public:
    CompletingFileDialog(QWidget* owner, const FileDialogRequest& request)
        : QFileDialog(owner), request_(request) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (request_.completeName && acceptMode() == AcceptSave && chosen.size() == 1) {
            const std::string typed = chosen.front().toStdString();
            const std::string complete = request_.completeName(typed);
            if (complete != typed) {
                selectFile(QString::fromStdString(complete));
            }
        }
        QFileDialog::accept();
    }

  private:
    const FileDialogRequest& request_;
};

void openAt(QFileDialog& dialog, const std::string& startPath) {
    if (startPath.empty()) {
        return;
    }
    const std::filesystem::path path(startPath);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        dialog.setDirectory(QString::fromStdString(startPath));
    } else if (std::filesystem::is_directory(path.parent_path(), error)) {
        dialog.selectFile(QString::fromStdString(startPath));
    } else {
        // A folder since removed: Qt would fall back to the working directory, the program's.
        dialog.setDirectory(QDir::homePath());
    }
}

}  // namespace

std::string qtNameFilter(const FileFilter& filter) {
    std::string patterns = filter.pattern;
    std::replace(patterns.begin(), patterns.end(), ';', ' ');
    return filter.displayText + " (" + patterns + ")";
}

std::optional<std::string> QtFileDialogs::ask(const FileDialogRequest& request) {
    CompletingFileDialog dialog(frame_, request);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowFlags(kDialogWindowFlags);
    if (!request.title.empty()) {
        dialog.setWindowTitle(QString::fromStdString(request.title));
    }
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Each filter shows its display text only; the patterns, in both cases, would crowd it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << QString::fromStdString(qtNameFilter(filter));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    openAt(dialog, request.startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const std::string chosen = dialog.selectedFiles().front().toStdString();
    return request.completeName ? request.completeName(chosen) : chosen;
}

}  // namespace dw::platform
