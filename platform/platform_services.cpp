#include "platform/file_dialog.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/message_box.h"
#include "platform/progress.h"

namespace dw::platform {
namespace {

MessageBoxes* messageBackend = nullptr;
FileDialogs* dialogBackend = nullptr;
ProgressBackend* progressBackend = nullptr;

class UnstoppedProgress : public Progress {
  public:
    bool proceed(double) override { return true; }
};

MessageBoxes& messageBoxes() {
    static HeadlessMessageBoxes fallback;
    return messageBackend ? *messageBackend : fallback;
}

FileDialogs& fileDialogs() {
    static HeadlessFileDialogs fallback;
    return dialogBackend ? *dialogBackend : fallback;
}

}  // namespace

void installMessageBoxes(MessageBoxes* backend) {
    messageBackend = backend;
}

MessageAnswer showMessage(const Message& message) {
    return messageBoxes().show(message);
}

MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    return showMessage(Message{std::string(text), std::string(caption), icon});
}

MessageAnswer defaultAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

void installFileDialogs(FileDialogs* backend) {
    dialogBackend = backend;
}

std::optional<std::string> askFileName(const FileDialogRequest& request) {
    return fileDialogs().ask(request);
}

void installProgress(ProgressBackend* backend) {
    progressBackend = backend;
}

std::unique_ptr<Progress> startProgress(const std::string& title) {
    if (progressBackend) {
        return progressBackend->start(title);
    }
    return std::make_unique<UnstoppedProgress>();
}

}  // namespace dw::platform
