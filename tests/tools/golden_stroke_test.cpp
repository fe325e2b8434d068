// Whole strokes replayed through the batch tool's steps (--brush, --stroke, --play, ...) and
// compared byte for byte with exact documents saved by --save-exact. After an intended change
// of behaviour, regenerate the documents with
//   DAUBWERK_UPDATE_GOLDEN=1 build/tests/tools/tools_tests --gtest_filter='Golden*'
// and look at the strokes (--open the document and --export it) before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>

#include "core/app_state.h"
#include "files/document_file.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/batch_steps.h"
#include "tests/tools/grain_patterns.h"

namespace dw {
namespace {

using Step = std::vector<std::string>;

struct GoldenCase {
    const char* name;
    std::vector<Step> steps;  // "@file" names a script beside the golden documents
};

const Step kTubeBase[] = {
    {"--brush",
     "tool=TubePaint,size=7,amount=0.8,hardness=40,texture=6,paintStyle=4,red=30,"
     "green=90,blue=200,glossLevel=180,thickness=8"},
    {"--play", "@base_stroke.txt"}};

std::vector<Step> withBase(std::vector<Step> more) {
    std::vector<Step> steps = {{"--seed", "5"}, {"--new", "48", "40"}};
    steps.insert(steps.end(), std::begin(kTubeBase), std::end(kTubeBase));
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

const GoldenCase kCases[] = {
    {"paint_brush",
     {{"--seed", "3"},
      {"--new", "48", "40"},
      {"--brush",
       "tool=PaintBrush,size=6,amount=0.6,hardness=30,texture=3,paintStyle=5,"
       "red=180,green=40,blue=20,glossLevel=150"},
      {"--play", "@paint_brush.txt"}}},
    {"spray_and_knife", withBase({{"--brush", "tool=SprayPaint,size=7,amount=0.8"},
                                  {"--play", "@spray_rest.txt"},
                                  {"--brush", "tool=Knife,size=5,texture=2,thickness=2"},
                                  {"--play", "@knife_rest.txt"}})},
    {"finger_smear",
     withBase({{"--brush", "tool=Finger,size=6,amount=0.9,texture=7"}, {"--play", "@smear.txt"}})},
    {"modifiers_zoomed",
     {{"--new", "48", "40"},
      {"--stroke",
       "fadeAmount=1,fadeAmountLength=8,fadeSize=1,fadeSizeLength=12,wave=1,"
       "waveDepth=40,wavePeriod=0.5"},
      {"--brush", "tool=PaintBrush,size=9,amount=0.9,texture=0,hardness=60"},
      {"--play", "@zoomed.txt"}}},
    {"pen_pressure", withBase({{"--pressure", "both"},
                               {"--continuous", "on"},
                               {"--brush", "tool=PaintBrush,size=9,amount=0.9,hardness=50"},
                               {"--play", "@pen_pressure.txt"}})},
    {"effects", withBase({{"--brush", "tool=Eraser,size=4,amount=0.7"},
                          {"--play", "@dab_line.txt"},
                          {"--brush", "tool=Brighten,size=9"},
                          {"--play", "@knife_rest.txt"},
                          {"--brush", "tool=Sponge,size=5"},
                          {"--play", "@smear.txt"},
                          {"--brush", "tool=Raise"},
                          {"--play", "@dab_line.txt"},
                          {"--brush", "tool=Gloss,size=3"},
                          {"--play", "@paint_brush.txt"},
                          {"--brush", "tool=GelBrush,texture=1"},
                          {"--play", "@spray_rest.txt"},
                          {"--brush", "tool=Darken,size=12"},
                          {"--play", "@spray_rest.txt"},
                          {"--brush", "tool=EyeDropper"},
                          {"--play", "@pick.txt"},
                          {"--brush", "tool=PaintBrush,texture=0,size=5"},
                          {"--play", "@dab_line.txt"},
                          {"--undo"},
                          {"--brush", "tool=Lower,amount=1"},
                          {"--play", "@paint_brush.txt"}})},
};

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.name;
}

class GoldenStrokeTest : public ::testing::TestWithParam<GoldenCase> {
  protected:
    bool run(Step step) {
        for (std::string& argument : step) {
            if (argument[0] == '@') {
                argument = std::string(DAUBWERK_GOLDEN_DIR) + "/" + argument.substr(1);
            }
        }
        return test::runStep(state, step);
    }

    AppState state;
    test::TempDir folder;
};

TEST_P(GoldenStrokeTest, ReplayGivesTheSavedCells) {
    const GoldenCase& golden = GetParam();
    setUpFirstPainting(state);
    test::fillPatterns(state.patterns);
    for (const Step& step : golden.steps) {
        ASSERT_TRUE(run(step)) << step[0];
    }
    const std::string expectedPath = std::string(DAUBWERK_GOLDEN_DIR) + "/" + golden.name + ".pai";
    const char* update = std::getenv("DAUBWERK_UPDATE_GOLDEN");
    const std::string path = update ? expectedPath : folder.file("replayed.pai");
    ASSERT_TRUE(SaveDocument(state.painting, path, DocumentVersion::RawCells));
    if (update) {
        GTEST_SKIP() << "wrote " << expectedPath;
    }
    const std::string expected = test::fileText(expectedPath);
    const std::string replayed = test::fileText(path);
    ASSERT_EQ(expected.size(), replayed.size()) << expectedPath;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != replayed[i]) {
            const std::size_t cell = (i - kDocumentHeaderSize) / sizeof(CanvasCell);
            FAIL() << "first difference in cell (" << cell % state.painting.width() << ", "
                   << cell / state.painting.width() << "), byte "
                   << (i - kDocumentHeaderSize) % sizeof(CanvasCell);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenStrokeTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dw
