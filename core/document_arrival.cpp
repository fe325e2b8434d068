#include "core/document_arrival.h"

#include "core/painting_commands.h"
#include "core/pictures/import_picture.h"
#include "files/document_file.h"
#include "files/file_content.h"
#include "platform/message_box.h"

namespace dw {
namespace {

bool loadArrivedDocument(AppState& state, const std::string& path, const ArrivalRules& rules) {
    if (!LoadDocument(state.painting, path)) {
        if (rules.confirmsLoadFailure) {
            platform::showMessage("File Load failed!", "Error");
        }
        return false;
    }
    state.history.clearHistory();
    state.history.setDocumentClean(true);
    placeCanvasWindow(state);
    return true;
}

}  // namespace

ArrivalRules arrivalRules(Arrival arrival) {
    switch (arrival) {
        case Arrival::Open:
            return {.asksAboutUnsavedChanges = false,
                    .importsPictures = false,
                    .confirmsLoadFailure = true,
                    .shadesAtOnce = true};
        case Arrival::Drop:
        case Arrival::HandOff:
            return {.asksAboutUnsavedChanges = true,
                    .importsPictures = true,
                    .confirmsLoadFailure = false,
                    .shadesAtOnce = true};
        case Arrival::CommandLine:
            return {.asksAboutUnsavedChanges = true,
                    .importsPictures = true,
                    .confirmsLoadFailure = false,
                    .shadesAtOnce = false};
        case Arrival::FirstRun:
        case Arrival::Recovery:
            break;
    }
    return {.asksAboutUnsavedChanges = false,
            .importsPictures = false,
            .confirmsLoadFailure = false,
            .shadesAtOnce = false};
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
    const bool replaced = content == FileContent::Picture ? importPicture(state, path)
                                                          : loadArrivedDocument(state, path, rules);
    if (replaced && rules.shadesAtOnce) {
        state.painting.shadeAll();
    }
    return replaced;
}

}  // namespace dw
