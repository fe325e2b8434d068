// Pen strokes and continuous strokes replayed through the batch tool's steps.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "core/app_state.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/batch_steps.h"
#include "tests/tools/grain_patterns.h"

namespace dw {
namespace {

using Step = std::vector<std::string>;

class PenStrokesTest : public ::testing::Test {
  protected:
    std::string script(const std::string& name, const std::string& text) {
        const std::string path = folder.file(name);
        std::ofstream(path) << text;
        return path;
    }
    // The cells a run of steps leaves on a fresh 60 x 40 painting.
    std::vector<CanvasCell> paint(const std::vector<Step>& steps) {
        AppState state;
        test::fillPatterns(state.patterns);
        std::vector<Step> all = {{"--seed", "9"}, {"--new", "60", "40"}};
        all.insert(all.end(), steps.begin(), steps.end());
        for (const Step& step : all) {
            EXPECT_TRUE(test::runStep(state, step)) << step[0];
        }
        const CanvasCell* cells = &state.painting.at(0, 0);
        return {cells, cells + 60 * 40};
    }
    static bool same(const std::vector<CanvasCell>& a, const std::vector<CanvasCell>& b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * 12) == 0;
    }

    test::TempDir folder;
};

const std::string kMouse = "move 10 20\ndown\npass 2\nmove 24 23\npass\nmove 41 17\npass 3\nup\n";
const std::string kPen =
    "move 10 20 0.5\npen down\npass 2\nmove 24 23 0.5\npass\nmove 41 17 0.5\npass 3\npen up\n";
const std::string kBrush = "tool=PaintBrush,size=12,amount=0.8,hardness=40,texture=3,red=200";

// Each mode against the mouse with the size and amount a pressure of 0.5 gives; a second
// stroke at another hardness must not meet a footprint kept from the first.
TEST_F(PenStrokesTest, APenPaintsAsTheMouseWithTheSizeAndAmountItsPressureGives) {
    const std::string mouse = script("mouse.txt", kMouse);
    const std::string pen = script("pen.txt", kPen);
    const std::pair<const char*, const char*> modes[] = {
        {"off", "size=12,amount=0.8"},
        {"size", "size=6,amount=0.8"},
        {"amount", "size=12,amount=0.4"},
        {"both", "size=6,amount=0.4"},
    };
    for (const auto& [mode, pressed] : modes) {
        const auto byPen = paint({{"--pressure", mode},
                                  {"--brush", kBrush},
                                  {"--play", pen},
                                  {"--brush", "hardness=95,tool=Knife"},
                                  {"--play", pen}});
        const auto byMouse = paint({{"--brush", kBrush},
                                    {"--brush", pressed},
                                    {"--play", mouse},
                                    {"--brush", "hardness=95,tool=Knife"},
                                    {"--play", mouse}});
        EXPECT_TRUE(same(byPen, byMouse)) << mode;
    }
    // The mouse ignores the mode; the lightest touch counts as 0.05.
    EXPECT_TRUE(same(paint({{"--pressure", "both"}, {"--brush", kBrush}, {"--play", mouse}}),
                     paint({{"--pressure", "off"}, {"--brush", kBrush}, {"--play", mouse}})));
    const std::string light = script("light.txt", "move 30 20 0\npen down\npass 3\npen up\n");
    const std::string floor = script("floor.txt", "move 30 20 0.05\npen down\npass 3\npen up\n");
    EXPECT_TRUE(same(paint({{"--brush", kBrush}, {"--play", light}}),
                     paint({{"--brush", kBrush}, {"--play", floor}})));
    const std::string full = script("full.txt", "move 30 20 1\npen down\npass 3\npen up\n");
    EXPECT_FALSE(same(paint({{"--brush", kBrush}, {"--play", light}}),
                      paint({{"--brush", kBrush}, {"--play", full}})));
}

}  // namespace
}  // namespace dw
