#pragma once

#include <array>
#include <cstdint>

#include "tools/tool_id.h"

namespace dw {

struct AppState;

// What a key can set off.
class KeyboardActions {
  public:
    virtual ~KeyboardActions() = default;
    virtual void runCommand(AppState& state, int commandId) = 0;
    // The tool changed: the panels show it (SelectTool).
    virtual void selectTool(AppState& state) = 0;
    // One step of the zoom in (+1) or out (-1).
    virtual void zoomStep(AppState& state, int step) = 0;
};

// Windows virtual-key codes, which the routine's table is indexed by.
namespace key {
inline constexpr uint32_t kControl = 17;
inline constexpr uint32_t kSpace = 32;
inline constexpr uint32_t kZero = '0';
inline constexpr uint32_t kPlus = 187;  // the key of '=' and '+'
inline constexpr uint32_t kMinus = 189;
inline constexpr uint32_t kBracketLeft = 219;
inline constexpr uint32_t kBracketRight = 221;
}  // namespace key

// The program's one keyboard routine: every window hands it its key messages, so the
// shortcuts work whichever window has the focus. Ctrl+N, O, P, S, Z and Y fire once per
// key-down message (auto-repeat included); holding Space lends the Hand Tool. Ctrl++, Ctrl+-
// and Ctrl+0 zoom; without Ctrl, [ and ] step the brush size and a tool's letter picks it.
class KeyboardRoutine {
  public:
    // controlDown is the Ctrl key's state as the key event saw it: a Ctrl released while a
    // dialog had the focus never reaches the table, and must not leave Ctrl "held".
    void key(AppState& state, uint32_t keyCode, bool down, bool controlDown,
             KeyboardActions& actions);
    // The program lost the focus: keys released elsewhere count as released, so the Hand Tool
    // is not left lent.
    void releaseAll(AppState& state, KeyboardActions& actions);

    bool isDown(uint32_t keyCode) const { return keyCode < keys_.size() && keys_[keyCode] != 0; }

  private:
    void space(AppState& state, KeyboardActions& actions);
    void plainKey(AppState& state, uint32_t keyCode, KeyboardActions& actions);
    void controlKey(AppState& state, uint32_t keyCode, KeyboardActions& actions);

    std::array<uint8_t, 256> keys_{};
    bool handOverride_ = false;
    ToolId savedTool_ = ToolId::PaintBrush;
};

}  // namespace dw
