#include "widgets/button_set.h"

#include "canvas/surface.h"

namespace dw {
namespace {

bool underPointer(const BitmapButton& button, int mouseX, int mouseY) {
    return button.visible && button.enabled && button.x <= mouseX &&
           mouseX <= button.x + button.width && button.y <= mouseY &&
           mouseY <= button.y + button.height;
}

// The look of a button the pointer is not over. A toggle that is on stays on, and its press
// is over: a press that left the button before the release must not block the next one.
void leave(BitmapButton& button, PointerPress press) {
    if (button.kind != ButtonKind::Toggle) {
        button.state = ButtonState::Normal;
        return;
    }
    if (button.state == ButtonState::Hover) {
        button.state = ButtonState::Normal;
    }
    if (press == PointerPress::Up) {
        button.latch = 0;
    }
}

// True when the button reports.
bool hit(BitmapButton& button, PointerPress press) {
    const bool down = press == PointerPress::Down;
    switch (button.kind) {
        case ButtonKind::Inert:
            return false;
        case ButtonKind::Push:
            if (!down && button.previousState == ButtonState::Pressed) {
                button.state = ButtonState::Normal;
                return true;
            }
            button.state = down ? ButtonState::Pressed : ButtonState::Hover;
            return false;
        case ButtonKind::Repeat:
            button.state = down ? ButtonState::Pressed : ButtonState::Hover;
            return down;
        case ButtonKind::Toggle:
            if (!down) {
                button.latch = 0;
                if (button.state == ButtonState::Normal) {
                    button.state = ButtonState::Hover;
                }
                return false;
            }
            if (button.latch > 0) {
                return false;
            }
            button.latch = 1;
            button.state =
                button.state == ButtonState::Pressed ? ButtonState::Normal : ButtonState::Pressed;
            return true;
    }
    return false;
}

}  // namespace

void SetUpButton(ButtonSet& set, int index, int x, int y, const ButtonPictures& pictures,
                 int userValue, ButtonKind kind) {
    if (index < 0 || index >= ButtonSet::kCapacity) {
        return;
    }
    BitmapButton& button = set[index];
    button.kind = kind;
    button.x = x;
    button.y = y;
    button.images = {&pictures.normal, &pictures.hover, &pictures.pressed};
    button.width = int(pictures.normal.width());
    button.height = int(pictures.normal.height());
    button.userValue = userValue;
    button.visible = true;
    button.enabled = true;
}

int ButtonAt(const ButtonSet& set, int x, int y) {
    for (int index = 0; index < ButtonSet::kCapacity; ++index) {
        if (underPointer(set[index], x, y)) {
            return index;
        }
    }
    return kNoButton;
}

int UpdateButtons(ButtonSet& set, int mouseX, int mouseY, PointerPress press) {
    int reported = kNoButton;
    const int taken = ButtonAt(set, mouseX, mouseY);
    for (int index = 0; index < ButtonSet::kCapacity; ++index) {
        BitmapButton& button = set[index];
        if (index == taken) {
            if (hit(button, press)) {
                reported = index;
            }
        } else {
            leave(button, press);
        }
        button.previousState = button.state;
    }
    return reported;
}

void DrawButtonsToImage(const ButtonSet& set, Surface& image) {
    for (const BitmapButton& button : set.buttons) {
        const Surface* picture = button.images[std::size_t(button.state)];
        if (button.visible && picture != nullptr) {
            picture->drawInto(button.x, button.y, image);
        }
    }
}

}  // namespace dw
