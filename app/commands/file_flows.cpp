#include "app/commands/file_flows.h"

#include "app/app_state.h"
#include "app/commands/shell.h"
#include "app/painting_commands.h"
#include "app/pictures/import_picture.h"
#include "files/document_file.h"
#include "platform/message_box.h"

namespace dw {
namespace {

constexpr std::string_view kDocumentExtension = "pai";
constexpr std::string_view kDocumentTitle = "Daubwerk file";

std::optional<std::string> askDocumentPath(platform::FileDialogKind kind) {
    return PromptFileName(kDocumentExtension, kDocumentTitle, kind);
}

platform::FileDialogRequest importRequest() {
    // The first entry lists "*.tiff", the last "*.tif".
    return {platform::FileDialogKind::Open,
            {{"All Formats", "*.jpg;*.bmp;*.tiff;*.png"},
             {"JPEG (*.jpg)", "*.jpg"},
             {"BITMAP (*.bmp)", "*.bmp"},
             {"PNG (*.png)", "*.png"},
             {"TIFF (*.tif)", "*.tif"}},
            ""};
}

}  // namespace

std::optional<std::string> PromptFileName(std::string_view extension, std::string_view title,
                                          platform::FileDialogKind kind) {
    const std::string pattern = "*." + std::string(extension);
    return platform::askFileName({kind, {{std::string(title), pattern}}, std::string(extension)});
}

SaveOutcome SaveCommand(AppState& state) {
    const std::optional<std::string> path = askDocumentPath(platform::FileDialogKind::Save);
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    // The document is written from a lit shading; the view goes back to what it showed.
    const bool lighting = state.painting.lighting;
    state.painting.lighting = true;
    state.painting.shadeAll();
    const bool saved = savePainting(state, *path, SaveFormat::Document);
    state.painting.lighting = lighting;
    if (!lighting) {
        state.painting.invalidateShading();
    }
    return saved ? SaveOutcome::Saved : SaveOutcome::Failed;
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
    const std::optional<std::string> path = askDocumentPath(platform::FileDialogKind::Open);
    if (path && openPainting(state, *path)) {
        shell.createCanvasWindow(state);
    }
}

void ImportCommand(AppState& state, Shell& shell) {
    if (!AskSaveChanges(state)) {
        return;
    }
    const std::optional<std::string> path = platform::askFileName(importRequest());
    if (path && importPicture(state, *path)) {
        shell.createCanvasWindow(state);
    }
}

void ExportCommand(AppState& state) {
    const std::optional<std::string> path =
        PromptFileName("bmp", "Bitmap Image", platform::FileDialogKind::Save);
    if (path) {
        exportPaintingBitmap(state, *path);
    }
}

void LoadArrivedPainting(AppState& state, Shell& shell, const std::string& path) {
    if (path.empty() || !AskSaveChanges(state)) {
        return;
    }
    if (!LoadDocument(state.painting, path)) {
        return;
    }
    state.history.clearHistory();
    // Just read from the disk: nothing of it is unsaved.
    state.history.setDocumentClean(true);
    shell.createCanvasWindow(state);
}

}  // namespace dw
