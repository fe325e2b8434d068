#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <functional>

#include "commands/command_ids.h"
#include "core/painting_commands.h"
#include "gui/undo_steps_dialog.h"
#include "gui/user_settings.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

// Edit > Undo Steps... through its real dialog, the choice kept in the user's settings file.
class UndoSteps : public GuiTest {
  protected:
    // Runs the command; act answers the dialog once it is on the screen.
    void runDialog(std::function<void(UndoStepsDialog&)> act) {
        whenShown<UndoStepsDialog>(act);
        command(command::kUndoSteps);
    }
    static void press(UndoStepsDialog& dialog, QDialogButtonBox::StandardButton which) {
        dialog.findChild<QDialogButtonBox*>()->button(which)->click();
    }
};

TEST_F(UndoSteps, TheDialogSaysWhatAStepCostsAndTheChoiceOutlivesTheRun) {
    ASSERT_TRUE(newPainting(state, 1024, 1024));  // 12 MB of cells
    gui->createCanvasWindow(state);
    runDialog([](UndoStepsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Undo Steps");
        EXPECT_EQ(dialog.stepsBox().value(), 5);
        EXPECT_TRUE(dialog.costLabel().text().contains("about 12 MB at most"));
        dialog.stepsBox().setValue(dialog.stepsBox().maximum() + 1);
        EXPECT_EQ(dialog.stepsBox().value(), 100);
        dialog.stepsBox().setValue(40);
        EXPECT_TRUE(dialog.costLabel().text().contains("40 steps: about 480 MB"));
        press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(state.history.steps(), 40u);
    runDialog([](UndoStepsDialog& dialog) {
        dialog.stepsBox().setValue(2);
        press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(state.history.steps(), 40u);
    AppState next;
    loadUserSettings(next);
    EXPECT_EQ(next.history.steps(), 40u);
}

TEST_F(UndoSteps, OnlyANumberFromOneToAHundredInTheFileIsTaken) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"100", 100}, {"1", 1}, {"0", 5}, {"101", 5}, {"-3", 5}, {"many", 5}, {"", 5}};
    for (const auto& [text, steps] : cases) {
        QFile::remove(userSettingsPath());
        {
            QSettings settings(userSettingsPath(), QSettings::IniFormat);
            settings.setValue("undo/steps", text);
        }
        AppState next;
        loadUserSettings(next);
        EXPECT_EQ(next.history.steps(), steps) << text;
    }
}

}  // namespace
}  // namespace dw::test
