#pragma once

#include <string>
#include <string_view>

namespace dw::platform {

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
// Cancel also answers a Yes/No question dismissed with Escape or its close box: no answer.
enum class MessageAnswer { Ok, Yes, No, Cancel };
// Whether the box is owned by the frame window; some messages are, some stand alone.
enum class MessageOwner { None, Frame };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageOwner owner = MessageOwner::None;
};

// A backend shows message boxes: the GUI's own, or the headless one for batch runs and tests.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// The engine reports through whichever backend is installed; the headless one is the default.
void installMessageBoxes(MessageBoxes* backend);
MessageAnswer showMessage(const Message& message);
MessageAnswer showMessage(std::string_view text, std::string_view caption,
                          MessageIcon icon = MessageIcon::None);

// The default answer of a box: what Enter chooses.
MessageAnswer defaultAnswer(MessageButtons buttons);

}  // namespace dw::platform
