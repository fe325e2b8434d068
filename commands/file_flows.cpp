#include "commands/file_flows.h"

#include "commands/shell.h"
#include "core/app_state.h"
#include "core/painting_commands.h"
#include "core/pictures/export_picture.h"
#include "core/pictures/import_picture.h"
#include "files/picture_formats.h"
#include "platform/dialog_paths.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace dw {
namespace {

using platform::DialogPlace;
using platform::FileDialogKind;

// A dialog titled by its command, opening where the last one of its kind served.
platform::FileDialogRequest dialogFor(FileDialogKind kind, std::string title, DialogPlace place) {
    platform::FileDialogRequest request;
    request.kind = kind;
    request.title = std::move(title);
    request.startPath = platform::dialogStartPath(place);
    return request;
}

// Save offers the painting's own file, where it has one.
std::optional<std::string> askDocumentPath(FileDialogKind kind, std::string command,
                                           const std::string& ownFile = {}) {
    platform::FileDialogRequest document =
        dialogFor(kind, std::move(command), DialogPlace::Painting);
    if (!ownFile.empty()) {
        document.startPath = ownFile;
    }
    document.filters = {{"Daubwerk file", "*.pai"}};
    document.defaultExtension = "pai";
    return platform::askFileName(document);
}

// "JPEG (*.jpg *.jpeg *.jpe)": the dialog shows this text, the patterns hold both cases.
platform::FileFilter filterOf(const PictureFormat& format) {
    std::string text = std::string(format.name) + " (";
    for (const std::string_view extension : format.extensions) {
        text += (text.back() == '(' ? "*." : " *.") + std::string(extension);
    }
    return {text + ")", filePatterns(format)};
}

platform::FileDialogRequest importRequest() {
    platform::FileDialogRequest picture =
        dialogFor(FileDialogKind::Open, "Import Image", DialogPlace::Import);
    picture.filters = {{"All Formats", filePatterns(importFormats())}};
    for (const PictureFormat& format : importFormats()) {
        picture.filters.push_back(filterOf(format));
    }
    return picture;
}

platform::FileDialogRequest exportRequest() {
    platform::FileDialogRequest picture =
        dialogFor(FileDialogKind::Save, "Export Image", DialogPlace::Export);
    for (const ExportKind& kind : exportKinds()) {
        picture.filters.push_back(filterOf(kind.picture));
    }
    picture.defaultExtension = "bmp";
    picture.completeName = [](const std::string& typed) { return exportPathFor(typed); };
    return picture;
}

}  // namespace

SaveOutcome SaveCommand(AppState& state) {
    const std::optional<std::string> path =
        askDocumentPath(FileDialogKind::Save, "Save As", state.documentPath);
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    // Saving shows the painting freshly lit. With Lighting off that picture would never be
    // seen, only replaced by the unlit one, so the main loop shades that one alone.
    if (state.painting.lighting) {
        state.painting.shadeAll();
    } else {
        state.painting.invalidateShading();
    }
    const bool saved = savePainting(state, *path, SaveFormat::Document);
    if (!saved) {
        return SaveOutcome::Failed;
    }
    platform::rememberDialogPath(DialogPlace::Painting, *path);
    state.documentPath = *path;
    return SaveOutcome::Saved;
}

bool AskSaveChanges(AppState& state) {
    if (state.history.documentClean()) {
        return true;
    }
    const platform::MessageAnswer answer = platform::showMessage(
        {"Would you like to save your painting?", "Save Changes?", platform::MessageIcon::Warning,
         platform::MessageButtons::YesNoCancel, platform::MessageOwner::Frame});
    switch (answer) {
        case platform::MessageAnswer::Yes:
            return SaveCommand(state) == SaveOutcome::Saved;
        case platform::MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void OpenCommand(AppState& state, Shell& shell) {
    if (!AskSaveChanges(state)) {
        return;
    }
    const std::optional<std::string> path = askDocumentPath(FileDialogKind::Open, "Open");
    if (path && PaintingArrived(state, shell, *path, Arrival::Open)) {
        platform::rememberDialogPath(DialogPlace::Painting, *path);
    }
}

void ImportCommand(AppState& state, Shell& shell) {
    if (!AskSaveChanges(state)) {
        return;
    }
    const std::optional<std::string> path = platform::askFileName(importRequest());
    if (path && importPicture(state, *path)) {
        platform::rememberDialogPath(DialogPlace::Import, *path);
        shell.createCanvasWindow(state);
    }
}

void ExportCommand(AppState& state) {
    const std::optional<std::string> chosen = platform::askFileName(exportRequest());
    if (!chosen) {
        return;
    }
    const std::string path = exportPathFor(*chosen);
    if (exportPainting(state, path)) {
        platform::rememberDialogPath(DialogPlace::Export, path);
    }
}

bool PaintingArrived(AppState& state, Shell& shell, const std::string& path, Arrival arrival) {
    if (path.empty()) {
        return false;
    }
    const auto mayReplace = [&] {
        return !arrivalRules(arrival).asksAboutUnsavedChanges || AskSaveChanges(state);
    };
    if (!receiveArrival(state, path, arrival, mayReplace)) {
        return false;
    }
    shell.createCanvasWindow(state);
    return true;
}

bool PaintingRecovered(AppState& state, Shell& shell, const std::function<bool(Canvas&)>& read,
                       const std::string& ownFile) {
    if (!receiveRecoveredPainting(state, read, ownFile)) {
        return false;
    }
    shell.createCanvasWindow(state);
    return true;
}

}  // namespace dw
