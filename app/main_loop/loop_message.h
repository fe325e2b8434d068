#pragma once

#include <cstdint>
#include <deque>

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
    KeyDown,
    KeyUp,
    Other,  // anything else for the windows: commands, drops, hand-offs, paint, close
};

enum class MessageTarget : uint8_t { CanvasWindow, OtherWindow };

// One message of the loop's queue. A pass that takes no new message delivers the previous
// pointer message again; the stroke driver relies on that.
struct LoopMessage {
    MessageKind kind = MessageKind::None;
    MessageTarget target = MessageTarget::CanvasWindow;
    int32_t x = 0;  // client coordinates of the target window
    int32_t y = 0;
    ScreenPoint screen;  // where the cursor was on the screen
    uint32_t code = 0;   // key code or the window's own message code
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
            return true;
        default:
            return false;
    }
}

class MessageQueue {
  public:
    void post(const LoopMessage& message) { messages_.push_back(message); }
    bool take(LoopMessage& message) {
        if (messages_.empty()) {
            return false;
        }
        message = messages_.front();
        messages_.pop_front();
        return true;
    }
    bool empty() const { return messages_.empty(); }

  private:
    std::deque<LoopMessage> messages_;
};

}  // namespace dw
