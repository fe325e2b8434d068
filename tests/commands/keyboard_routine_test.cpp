#include <gtest/gtest.h>

#include <vector>

#include "commands/command_ids.h"
#include "commands/keyboard_routine.h"
#include "core/app_state.h"

namespace dw {
namespace {

class RecordingActions : public KeyboardActions {
  public:
    void runCommand(AppState&, int commandId) override { commands.push_back(commandId); }
    void selectTool(AppState& state) override { shownTools.push_back(state.brush.tool); }
    void zoomStep(AppState&, int step) override { zoomSteps.push_back(step); }

    std::vector<int> commands;
    std::vector<ToolId> shownTools;
    std::vector<int> zoomSteps;
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

TEST_F(KeyboardRoutineTest, EachCtrlShortcutFiresOncePerKeyDownAndLettersAloneFireNothing) {
    press('S');
    release('S');
    press(key::kControl);
    for (const uint32_t letter : {'N', 'O', 'P', 'S', 'Z', 'Y'}) {
        press(letter, true);
        release(letter, true);
    }
    press('S', true);  // auto-repeat sends key-downs only
    press('S', true);
    // Ctrl's release went to a dialog; the next key event says Ctrl is up.
    press('S', false);
    press('Z', false);
    EXPECT_EQ(actions.commands,
              (std::vector<int>{command::kNew, command::kOpen, command::kPrint, command::kSave,
                                command::kUndo, command::kRedo, command::kSave, command::kSave}));
    EXPECT_FALSE(keyboard.isDown(key::kControl));
}

TEST_F(KeyboardRoutineTest, SpaceLendsTheHandToolUntilReleasedOrTheFocusIsLost) {
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

    state.brush.tool = ToolId::Finger;
    press(key::kSpace);
    press(key::kControl);
    keyboard.releaseAll(state, actions);
    EXPECT_EQ(state.brush.tool, ToolId::Finger);
    EXPECT_FALSE(keyboard.isDown(key::kSpace));
    press('S');
    EXPECT_TRUE(actions.commands.empty());
    EXPECT_EQ(state.brush.tool, ToolId::SprayPaint);
}

TEST_F(KeyboardRoutineTest, LettersPickToolsBracketsStepTheSizeAndCtrlKeysZoom) {
    press('P');
    release('P');
    EXPECT_EQ(state.brush.tool, ToolId::Sponge);
    press(key::kSpace);  // a letter under a lent Hand Tool is the tool given back
    press('K');
    release(key::kSpace);
    EXPECT_EQ(state.brush.tool, ToolId::Knife);

    state.brush.size = 2;
    for (int i = 0; i < 3; ++i) {
        press(key::kBracketLeft);
    }
    EXPECT_EQ(state.brush.size, 1);
    state.brush.size = 99;
    for (int i = 0; i < 3; ++i) {
        press(key::kBracketRight);
    }
    EXPECT_EQ(state.brush.size, 100);
    EXPECT_TRUE(state.propertiesRefresh);

    press(key::kControl);
    press(key::kPlus, true);
    press(key::kMinus, true);
    press(key::kZero, true);
    press('B', true);  // Ctrl+letter picks no tool
    EXPECT_EQ(actions.zoomSteps, (std::vector<int>{1, -1}));
    EXPECT_EQ(actions.commands, (std::vector<int>{command::kZoomHundred}));
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
}

}  // namespace
}  // namespace dw
