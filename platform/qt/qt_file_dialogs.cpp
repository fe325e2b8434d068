#include "platform/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <algorithm>
#include <filesystem>

namespace dw::platform {

std::string qtNameFilter(const FileFilter& filter) {
    std::string patterns = filter.pattern;
    std::replace(patterns.begin(), patterns.end(), ';', ' ');
    return filter.displayText + " (" + patterns + ")";
}

std::string offeredPath(const std::string& lastPath, const FileDialogRequest& request) {
    if (lastPath.empty() || request.kind != FileDialogKind::Save ||
        request.defaultExtension.empty()) {
        return lastPath;
    }
    std::filesystem::path path(lastPath);
    path.replace_extension(request.defaultExtension);
    return path.string();
}

std::optional<std::string> QtFileDialogs::ask(const FileDialogRequest& request) {
    QFileDialog dialog(frame_);
    dialog.setWindowModality(Qt::ApplicationModal);
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << QString::fromStdString(qtNameFilter(filter));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    const std::string offered = offeredPath(lastPath_, request);
    if (!offered.empty()) {
        dialog.selectFile(QString::fromStdString(offered));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    lastPath_ = dialog.selectedFiles().front().toStdString();
    return lastPath_;
}

}  // namespace dw::platform
