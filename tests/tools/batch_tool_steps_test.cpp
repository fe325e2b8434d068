#include <gtest/gtest.h>

#include <fstream>

#include "batch/batch_step.h"
#include "core/app_state.h"
#include "core/main_loop/play_script.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

TEST(PlayScriptTest, ReadsEventsCommentsAndBlankLines) {
    std::vector<PlayEvent> events;
    std::string error;
    ASSERT_TRUE(
        ParsePlayScript("# stroke\nzoom 0.5\n\nmove 3 4  # start\ndown\npass\npass 7\n"
                        "up\nleave",
                        events, error));
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].zoom, 0.5f);
    EXPECT_EQ(events[1].x, 3);
    EXPECT_EQ(events[1].line, 4);
    EXPECT_EQ(events[3].passes, 1u);
    EXPECT_EQ(events[4].passes, 7u);
    EXPECT_EQ(events[6].kind, PlayEvent::Kind::Leave);
}

TEST(PlayScriptTest, NamesTheLineOfEveryMistakeAndKeepsNothing) {
    const std::pair<const char*, const char*> bad[] = {
        {"move 1 1\nmove 10\n", "line 2: move takes X and Y"},
        {"move 70000 1", "line 1: move takes X and Y"},
        {"\n\nzoom 1.5", "line 3: zoom takes one of"},
        {"pass -1", "line 1: pass takes an optional count"},
        {"down now", "line 1: down takes nothing after it"},
        {"click 3 4", "line 1: unknown event \"click\""},
        {"move 1 2 1.5", "line 1: a move's pressure is a number in 0..1"},
        {"pen sideways", "line 1: pen takes down or up"},
    };
    for (const auto& [script, message] : bad) {
        std::vector<PlayEvent> events;
        std::string error;
        EXPECT_FALSE(ParsePlayScript(script, events, error)) << script;
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
        EXPECT_TRUE(events.empty());
    }
}

class ToolStepsTest : public ::testing::Test {
  protected:
    ToolStepsTest() { batch::addToolSteps(steps); }
    bool run(const std::string& name, batch::StepArguments arguments) {
        for (const batch::StepSpec& step : steps) {
            if (step.name == name) {
                ::testing::internal::CaptureStderr();
                const bool done = step.run(state, arguments);
                errors = ::testing::internal::GetCapturedStderr();
                return done;
            }
        }
        ADD_FAILURE() << name;
        return false;
    }

    std::vector<batch::StepSpec> steps;
    AppState state;
    std::string errors;
};

TEST_F(ToolStepsTest, BrushTakesToolsByIdOrNameWithoutSpaces) {
    EXPECT_TRUE(run("--brush", {"tool=EyeDropper,red=7,size=100,amount=0,texture=17"}));
    EXPECT_EQ(state.brush.tool, ToolId::EyeDropper);
    EXPECT_EQ(state.brush.red, 7);
    EXPECT_TRUE(run("--brush", {"tool=paintbrush"}));
    EXPECT_EQ(state.brush.tool, ToolId::PaintBrush);
    EXPECT_TRUE(run("--brush", {"tool=17"}));
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
}

TEST_F(ToolStepsTest, BrushRefusesValuesOutsideTheirRangesAndChangesNothing) {
    const BrushSettings before = state.brush;
    for (const char* bad :
         {"paintStyle=18", "texture=99", "size=0", "size=101", "amount=1.5", "tool=3",
          "tool=Blender", "shine=3", "red", "red=5,thickness=12", "glossLevel=256", "amount=nan"}) {
        EXPECT_FALSE(run("--brush", {bad})) << bad;
        EXPECT_FALSE(errors.empty()) << bad;
        EXPECT_EQ(std::memcmp(&state.brush, &before, sizeof before), 0) << bad;
    }
}

TEST_F(ToolStepsTest, PlayReportsTheFileAndLineOfABadScript) {
    test::TempDir folder;
    std::ofstream(folder.file("bad.txt")) << "move 1 2\nmove\n";
    EXPECT_FALSE(run("--play", {folder.file("bad.txt")}));
    EXPECT_NE(errors.find("bad.txt, line 2: move takes X and Y"), std::string::npos) << errors;
    EXPECT_FALSE(run("--play", {folder.file("missing.txt")}));
    EXPECT_NE(errors.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace dw
