#include "core/document_arrival.h"

#include "core/painting_commands.h"
#include "core/pictures/import_picture.h"
#include "files/document_file.h"
#include "files/file_content.h"
#include "platform/message_box.h"

namespace dw {
namespace {

// The painting read replaces the old one, whose history cannot come back.
void adoptDocument(AppState& state, const std::string& ownFile, const ArrivalRules& rules) {
    state.history.clearHistory();
    state.history.setDocumentClean(!rules.arrivesUnsaved);
    state.documentPath = ownFile;
    placeCanvasWindow(state);
    if (rules.shadesAtOnce) {
        state.painting.shadeAll();
    }
}

bool loadArrivedDocument(AppState& state, const std::string& path, const ArrivalRules& rules) {
    state.history.pauseRecording();
    if (!LoadDocument(state.painting, path)) {
        state.history.resumeRecording(state.painting);
        if (rules.confirmsLoadFailure) {
            platform::showMessage("File Load failed!", "Error");
        }
        return false;
    }
    adoptDocument(state, rules.ownsTheFile ? path : std::string(), rules);
    return true;
}

}  // namespace

ArrivalRules arrivalRules(Arrival arrival) {
    switch (arrival) {
        case Arrival::Open:
            return {.asksAboutUnsavedChanges = false,
                    .importsPictures = false,
                    .confirmsLoadFailure = true,
                    .shadesAtOnce = true,
                    .ownsTheFile = true,
                    .arrivesUnsaved = false};
        case Arrival::Drop:
        case Arrival::HandOff:
            return {.asksAboutUnsavedChanges = true,
                    .importsPictures = true,
                    .confirmsLoadFailure = false,
                    .shadesAtOnce = true,
                    .ownsTheFile = true,
                    .arrivesUnsaved = false};
        case Arrival::CommandLine:
            return {.asksAboutUnsavedChanges = true,
                    .importsPictures = true,
                    .confirmsLoadFailure = false,
                    .shadesAtOnce = false,
                    .ownsTheFile = true,
                    .arrivesUnsaved = false};
        case Arrival::Recovery:
            return {.asksAboutUnsavedChanges = false,
                    .importsPictures = false,
                    .confirmsLoadFailure = false,
                    .shadesAtOnce = false,
                    .ownsTheFile = false,
                    .arrivesUnsaved = true};
        case Arrival::FirstRun:
            break;
    }
    return {.asksAboutUnsavedChanges = false,
            .importsPictures = false,
            .confirmsLoadFailure = false,
            .shadesAtOnce = false,
            .ownsTheFile = false,
            .arrivesUnsaved = false};
}

bool receiveArrival(AppState& state, const std::string& path, Arrival arrival,
                    const std::function<bool()>& mayReplace) {
    const ArrivalRules rules = arrivalRules(arrival);
    const FileContent content = rules.importsPictures ? fileContentOf(path) : FileContent::Document;
    if (content == FileContent::Unreadable) {
        reportCannotOpen();
        return false;
    }
    if (content == FileContent::Other) {
        reportNotADocument();
        return false;
    }
    if (mayReplace && !mayReplace()) {
        return false;
    }
    if (content == FileContent::Picture) {
        const bool imported = importPicture(state, path);
        if (imported && rules.shadesAtOnce) {
            state.painting.shadeAll();
        }
        return imported;
    }
    return loadArrivedDocument(state, path, rules);
}

bool receiveRecoveredPainting(AppState& state, const std::function<bool(Canvas&)>& read,
                              const std::string& ownFile) {
    if (!read(state.painting)) {
        return false;
    }
    adoptDocument(state, ownFile, arrivalRules(Arrival::Recovery));
    return true;
}

}  // namespace dw
