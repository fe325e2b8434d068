#pragma once

#include <array>
#include <cstdint>

#include "widgets/pointer_press.h"

namespace dw {

class Surface;

enum class ButtonKind : uint8_t {
    Push,    // reports a click when released over it after a press over it
    Toggle,  // flips between off and on at each press
    Repeat,  // reports on every update while pressed over it
    Inert,   // never changes, never reports
};

// The look a button shows; a toggle that is on shows Pressed.
enum class ButtonState : uint8_t { Normal, Hover, Pressed };

// One bitmap button of a panel. Its pictures belong to the panel, which keeps them alive as
// long as the set.
struct BitmapButton {
    int x = 0;
    int y = 0;
    int width = 0;  // of the normal picture
    int height = 0;
    ButtonKind kind = ButtonKind::Push;
    int latch = 0;  // toggles: 1 while the press that flipped it is held
    ButtonState state = ButtonState::Normal;
    ButtonState previousState = ButtonState::Normal;
    bool visible = false;  // drawn and hit-tested only when true
    int userValue = 0;
    std::array<const Surface*, 3> images{};  // for Normal, Hover and Pressed
    bool enabled = false;                    // hit-tested only when true
};

inline constexpr int kNoButton = -1;

// A panel's buttons; entries that were not set up are neither drawn nor hit.
struct ButtonSet {
    static constexpr int kCapacity = 64;
    std::array<BitmapButton, kCapacity> buttons{};

    BitmapButton& operator[](int index) { return buttons[std::size_t(index)]; }
    const BitmapButton& operator[](int index) const { return buttons[std::size_t(index)]; }
};

struct ButtonPictures {
    const Surface& normal;
    const Surface& hover;
    const Surface& pressed;
};

// Places button `index` (0..63; others are ignored) with its pictures, visible and enabled.
void SetUpButton(ButtonSet& set, int index, int x, int y, const ButtonPictures& pictures,
                 int userValue, ButtonKind kind);

// The button the pointer at (x, y) is over, by the rule UpdateButtons follows, or kNoButton.
int ButtonAt(const ButtonSet& set, int x, int y);

// Moves every button to the look the pointer gives it and returns the index of the button
// that reported (a click, a toggle's flip, a held repeat button), or kNoButton. Both the right
// and the bottom edge belong to a button; where buttons overlap the lower index takes the
// pointer.
int UpdateButtons(ButtonSet& set, int mouseX, int mouseY, PointerPress press);

// Draws every visible button's picture for its state with its top-left corner at (x, y).
void DrawButtonsToImage(const ButtonSet& set, Surface& image);

}  // namespace dw
