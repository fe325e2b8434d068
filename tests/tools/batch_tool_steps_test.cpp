#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>

#include "core/app_state.h"
#include "core/main_loop/play_script.h"
#include "core/preset_records.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/batch_steps.h"
#include "tools/brush_fields.h"
#include "tools/stroke_fields.h"

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
  public:
    bool run(const std::string& name, const std::vector<std::string>& arguments) {
        std::vector<std::string> step = {name};
        step.insert(step.end(), arguments.begin(), arguments.end());
        ::testing::internal::CaptureStderr();
        const bool done = test::runStep(state, step);
        errors = ::testing::internal::GetCapturedStderr();
        return done;
    }

    AppState state;
    std::string errors;
};

// Every field the user sets, at both ends of its range and one step past each: the batch tool
// takes the ends and refuses the rest, changing nothing, and a stored preset brings the ends
// back and holds the rest to the range.
template <class Record>
void expectOneRange(ToolStepsTest& test, const std::string& step, const Record& live,
                    std::span<const RecordField<Record>> fields,
                    Record (*sound)(const PresetRecord&)) {
    for (const RecordField<Record>& field : fields) {
        const bool whole = field.type != FieldType::Float;
        const float huge = std::numeric_limits<float>::infinity();
        std::vector<double> values = {
            field.low, field.high, whole ? field.low - 1 : std::nextafter(float(field.low), -huge),
            whole ? field.high + 1 : std::nextafter(float(field.high), huge)};
        if (field.type == FieldType::Float) {
            values.push_back(std::numeric_limits<double>::quiet_NaN());
        } else if (field.type == FieldType::Tool) {
            values.insert(values.end(), {3, 4, double(ToolId::Fill)});
        }
        for (const double value : values) {
            const bool inside = value == field.low || value == field.high;
            char text[32];
            std::snprintf(text, sizeof text, whole ? "%.0f" : "%.9g", value);
            const std::string assignment = std::string(field.name) + "=" + text;
            SCOPED_TRACE(assignment);
            const double before = field.get(live);
            const bool taken = inside && field.settable;
            EXPECT_EQ(test.run(step, {assignment}), taken);
            EXPECT_EQ(test.errors.empty(), taken) << test.errors;
            EXPECT_EQ(field.get(live), taken ? value : before);

            // A byte holds nothing past 0..255, nor a tool id anything below 0.
            if (whole && (value < 0 || (field.type == FieldType::Byte && value > 255))) {
                continue;
            }
            Record stored;
            field.put(stored, value);
            const double back = field.get(sound(recordOf(stored)));
            const double edge = value < field.low ? field.low : field.high;
            const bool restart = std::isnan(value) || field.type == FieldType::Tool;
            EXPECT_EQ(back, inside ? value : (restart ? field.startValue() : edge));
        }
    }
}

TEST_F(ToolStepsTest, BatchAndPresetsHoldEveryFieldToOneRange) {
    expectOneRange(*this, "--brush", state.brush, brushFields(), soundBrush);
    expectOneRange(*this, "--stroke", state.strokeModifiers, strokeFields(), soundStroke);
}

TEST_F(ToolStepsTest, BrushTakesToolsByNameAndRefusesMistakesWhole) {
    EXPECT_TRUE(run("--brush", {"tool=eyeDropper"}));
    EXPECT_EQ(state.brush.tool, ToolId::EyeDropper);
    const BrushSettings before = state.brush;
    for (const char* bad :
         {"tool=Blender", "tool=Fill", "shine=3", "red", "red=5,thickness=12", "size=1.5"}) {
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
