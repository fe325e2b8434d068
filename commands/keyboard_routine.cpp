#include "commands/keyboard_routine.h"

#include "canvas/truncation.h"
#include "commands/command_ids.h"
#include "core/app_state.h"
#include "core/tool_keys.h"

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
    if (down) {
        if (controlDown) {
            controlKey(state, keyCode, actions);
        } else {
            plainKey(state, keyCode, actions);
        }
    }
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

void KeyboardRoutine::plainKey(AppState& state, uint32_t keyCode, KeyboardActions& actions) {
    if (keyCode == key::kBracketLeft || keyCode == key::kBracketRight) {
        // The size slider's steps are whole sizes.
        const int size = clampInt(state.brush.size + (keyCode == key::kBracketRight ? 1 : -1), 1,
                                  BrushFootprint::kMaxRadius);
        if (size != state.brush.size) {
            state.brush.size = size;
            state.footprint.invalidate();
            state.propertiesRefresh = true;
        }
        return;
    }
    for (const ToolKey& toolKey : kToolKeys) {
        // While Space lends the Hand Tool, the letter picks the tool given back afterwards.
        if (uint32_t(toolKey.letter) == keyCode) {
            (handOverride_ ? savedTool_ : state.brush.tool) = toolKey.tool;
            actions.selectTool(state);
        }
    }
}

void KeyboardRoutine::controlKey(AppState& state, uint32_t keyCode, KeyboardActions& actions) {
    if (keyCode == key::kPlus || keyCode == key::kMinus) {
        actions.zoomStep(state, keyCode == key::kPlus ? 1 : -1);
    } else if (keyCode == key::kZero) {
        actions.runCommand(state, command::kZoomHundred);
    }
}

void KeyboardRoutine::releaseAll(AppState& state, KeyboardActions& actions) {
    keys_.fill(0);
    space(state, actions);
}

}  // namespace dw
