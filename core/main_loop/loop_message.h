#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace dw {

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

enum class MessageKind : uint8_t {
    None,
    PointerMove,
    LeftButtonDown,
    LeftButtonUp,
    RightButtonDown,
    RightButtonUp,
    PointerLeave,
    KeyDown,  // code: the Windows virtual-key code the keyboard routine reads
    KeyUp,
    Command,    // code: the menu command id
    Close,      // the frame's close box or File > Exit
    DropFile,   // text: the dropped file's path
    HandOff,    // text: the path a second start handed over (may be empty)
    Activate,   // code: 1 when the program became active, 0 when it lost the focus
    StylusEnd,  // code: 1 when the stylus's eraser end came near, 0 for its pen end
    Wheel,      // scroll: how far to move the painting; with Ctrl, its sign zooms
    MiddleButtonDown,
    MiddleButtonUp,
};

// The program's windows; every message names the one it is for. The panels' windows have
// their rows in panels/panel_registry.cpp.
enum class WindowId : uint8_t {
    Canvas,
    Frame,
    Tools,
    Properties,
    Styles,  // a child of the properties panel
    Colours,
    Palette,
    NewImage,
    Splash,
};
inline constexpr int kWindowCount = 9;

// One message of the loop's queue. A pass that takes no new message delivers the previous
// pointer message again; the stroke driver relies on that.
struct LoopMessage {
    MessageKind kind = MessageKind::None;
    WindowId target = WindowId::Canvas;
    int32_t x = 0;  // client coordinates of the target window
    int32_t y = 0;
    ScreenPoint screen;  // where the cursor was on the screen
    uint32_t code = 0;   // key code, command id or activation flag
    // Keys: whether Ctrl was down as the key moved, so that a Ctrl released inside a dialog
    // is not taken as still held.
    bool controlDown = false;
    bool altDown = false;  // presses: Alt+click picks the colour
    ScreenPoint scroll;
    // Pointer messages: sent by a pen, with the pen's pressure (0..1).
    bool pen = false;
    float pressure = 1.0f;
    std::string text;  // a path, whole, however long
};

// Pointer moves and button presses are repeated; leaving, keys and everything else, whose
// second delivery could act on something already consumed, are delivered once.
inline bool isRepeatedWhenIdle(MessageKind kind) {
    switch (kind) {
        case MessageKind::PointerMove:
        case MessageKind::LeftButtonDown:
        case MessageKind::LeftButtonUp:
        case MessageKind::RightButtonDown:
        case MessageKind::RightButtonUp:
        case MessageKind::MiddleButtonDown:
        case MessageKind::MiddleButtonUp:
            return true;
        default:
            return false;
    }
}

// A message for a window; pointer messages carry (x, y) in its client area.
inline LoopMessage messageTo(WindowId target, MessageKind kind, int32_t x = 0, int32_t y = 0) {
    LoopMessage message;
    message.kind = kind;
    message.target = target;
    message.x = x;
    message.y = y;
    return message;
}

class MessageQueue {
  public:
    void post(const LoopMessage& message) { messages_.push_back(message); }
    // Pointer moves do not pile up: a move replaces one for the same window that is still
    // waiting at the end of the queue, so a fast mouse never makes painting lag behind it.
    void postMove(const LoopMessage& move) {
        if (!messages_.empty() && messages_.back().kind == MessageKind::PointerMove &&
            messages_.back().target == move.target) {
            messages_.back() = move;
            return;
        }
        post(move);
    }
    bool take(LoopMessage& message) {
        if (messages_.empty()) {
            return false;
        }
        message = messages_.front();
        messages_.pop_front();
        return true;
    }
    // The oldest message for one window, leaving the others in their order: the modal
    // panels' own loops serve their window while the rest waits for the main loop.
    bool takeFor(WindowId target, LoopMessage& message) {
        for (auto it = messages_.begin(); it != messages_.end(); ++it) {
            if (it->target == target) {
                message = std::move(*it);
                messages_.erase(it);
                return true;
            }
        }
        return false;
    }
    bool empty() const { return messages_.empty(); }

  private:
    std::deque<LoopMessage> messages_;
};

}  // namespace dw
