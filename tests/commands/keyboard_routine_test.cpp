#include <gtest/gtest.h>

#include <vector>

#include "app/app_state.h"
#include "app/commands/command_ids.h"
#include "app/commands/keyboard_routine.h"

namespace dw {
namespace {

class RecordingActions : public KeyboardActions {
  public:
    void runCommand(AppState&, int commandId) override { commands.push_back(commandId); }
    void selectTool(AppState& state) override { shownTools.push_back(state.brush.tool); }

    std::vector<int> commands;
    std::vector<ToolId> shownTools;
};

class KeyboardRoutineTest : public ::testing::Test {
  protected:
    void press(uint32_t key, bool control = false) {
        keyboard.key(state, key, true, control || key == key::kControl, actions);
    }
    void release(uint32_t key, bool control = false) {
        keyboard.key(state, key, false, control && key != key::kControl, actions);
    }

    AppState state;
    RecordingActions actions;
    KeyboardRoutine keyboard;
};

TEST_F(KeyboardRoutineTest, EachCtrlShortcutFiresOncePerKeyDownMessage) {
    press(key::kControl);
    for (const uint32_t letter : {'N', 'O', 'P', 'S', 'Z', 'Y'}) {
        press(letter, true);
        release(letter, true);
    }
    press('S', true);  // auto-repeat sends key-downs only
    press('S', true);
    EXPECT_EQ(actions.commands,
              (std::vector<int>{command::kNew, command::kOpen, command::kPrint, command::kSave,
                                command::kUndo, command::kRedo, command::kSave, command::kSave}));
}

TEST_F(KeyboardRoutineTest, LettersWithoutCtrlAndCtrlReleasedInADialogFireNothing) {
    press('S');
    release('S');
    press(key::kControl);
    // Ctrl's release went to a dialog; the next key event says Ctrl is up.
    press('S', false);
    press('Z', false);
    EXPECT_TRUE(actions.commands.empty());
    EXPECT_FALSE(keyboard.isDown(key::kControl));
}

TEST_F(KeyboardRoutineTest, SpaceLendsTheHandToolUntilReleasedWhateverElseIsPressed) {
    state.brush.tool = ToolId::Knife;
    press(key::kSpace);
    press(key::kSpace);  // auto-repeat must not remember the Hand Tool as the one to restore
    press('A');
    release('A');
    EXPECT_EQ(state.brush.tool, ToolId::HandTool);
    release(key::kSpace);
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
    EXPECT_EQ(actions.shownTools.back(), ToolId::Knife);
    // Four events with Space down showed the Hand Tool, the release the Knife.
    EXPECT_EQ(actions.shownTools.size(), 5u);
}

TEST_F(KeyboardRoutineTest, LosingTheFocusGivesTheLentToolBack) {
    state.brush.tool = ToolId::Finger;
    press(key::kSpace);
    press(key::kControl);
    keyboard.releaseAll(state, actions);
    EXPECT_EQ(state.brush.tool, ToolId::Finger);
    EXPECT_FALSE(keyboard.isDown(key::kSpace));
    press('S');
    EXPECT_TRUE(actions.commands.empty());
}

}  // namespace
}  // namespace dw
