#include "app/commands/keyboard_routine.h"

#include "app/app_state.h"
#include "app/commands/command_ids.h"

namespace dw {
namespace {

struct Shortcut {
    uint32_t keyCode;
    int commandId;
};

// Checked in this order; each fires and is cleared, so it fires again only on its next
// key-down message.
constexpr Shortcut kShortcuts[] = {
    {'N', command::kNew},  {'O', command::kOpen}, {'P', command::kPrint},
    {'S', command::kSave}, {'Z', command::kUndo}, {'Y', command::kRedo},
};

}  // namespace

void KeyboardRoutine::key(AppState& state, uint32_t keyCode, bool down, bool controlDown,
                          KeyboardActions& actions) {
    if (keyCode < keys_.size()) {
        keys_[keyCode] = down ? 1 : 0;
    }
    keys_[key::kControl] = controlDown ? 1 : 0;
    if (keys_[key::kControl]) {
        for (const Shortcut& shortcut : kShortcuts) {
            if (keys_[shortcut.keyCode]) {
                keys_[shortcut.keyCode] = 0;
                actions.runCommand(state, shortcut.commandId);
            }
        }
    }
    space(state, actions);
}

void KeyboardRoutine::space(AppState& state, KeyboardActions& actions) {
    if (keys_[key::kSpace]) {
        if (!handOverride_) {
            savedTool_ = state.brush.tool;
            handOverride_ = true;
        }
        state.brush.tool = ToolId::HandTool;
        actions.selectTool(state);
    } else if (handOverride_) {
        state.brush.tool = savedTool_;
        handOverride_ = false;
        actions.selectTool(state);
    }
}

void KeyboardRoutine::releaseAll(AppState& state, KeyboardActions& actions) {
    keys_.fill(0);
    space(state, actions);
}

}  // namespace dw
