#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "files/image_file.h"
#include "tests/e2e/program_run.h"

namespace dw::test {
namespace {

using namespace std::chrono_literals;

// The program on a screen of device pixel ratio 2.
class HighDensity : public ProgramRun {
  protected:
    void SetUp() override {
        ProgramRun::SetUp();
        moreEnvironment = {{"QT_SCALE_FACTOR", "2"}};
    }
};

TEST_F(HighDensity, EachCellIsASharpSquareOfFourPixelsAStrokeLandsUnderThePointerAndThePanelsFit) {
    const std::string welcome = (root / "welcome.png").string();
    ASSERT_TRUE(batch("--open '" + (root / "program" / "Examples" / "welcome.pai").string() +
                      "' --export '" + welcome + "'"));
    Surface painting;
    ASSERT_TRUE(LoadImageFile(painting, welcome, ImageMessages::Hidden));
    const unsigned long frame = start();
    ASSERT_NE(frame, 0u);
    std::this_thread::sleep_for(1500ms);
    const Surface shot = session.screenshot((root / "shown.png").string());
    const CanvasSpot canvas = findCanvas(shot, frame, 2);
    // Left of the brush properties panel.
    int wrong = 0;
    for (int cy = 0; cy < 300; ++cy) {
        for (int cx = 0; cx < 200; ++cx) {
            const Pixel cell = painting.getPixel(uint32_t(cx), uint32_t(cy));
            for (int d = 0; d < 4; ++d) {
                wrong +=
                    shot.getPixel(canvas.x + 2 * cx + d % 2, canvas.y + 2 * cy + d / 2) != cell;
            }
        }
    }
    EXPECT_EQ(wrong, 0);

    // A short stroke of the start-up brush around cell (120, 150).
    const int px = canvas.x + 240;
    const int py = canvas.y + 300;
    ASSERT_TRUE(session.run("xdotool mousemove " + std::to_string(px - 20) + " " +
                            std::to_string(py) + " sleep 0.3 mousedown 1 sleep 0.2 mousemove " +
                            std::to_string(px + 20) + " " + std::to_string(py) +
                            " sleep 0.3 mouseup 1 sleep 0.5"));
    const Surface after = session.screenshot((root / "stroke.png").string());
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    for (int y = canvas.y; y < canvas.y + 700; ++y) {
        for (int x = canvas.x; x < canvas.x + 400; ++x) {
            if (after.getPixel(x, y) != shot.getPixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0) << "the stroke left nothing";
    EXPECT_NEAR((left + right) / 2, px, 8);
    EXPECT_NEAR((top + bottom) / 2, py, 8);

    // Every panel lies on the screen, whole.
    for (const char* title : {" Tools", " Brush Properties: Paint Brush", " Colors", " Palette"}) {
        const unsigned long panel = session.waitForWindow(title, 5s);
        ASSERT_NE(panel, 0u) << title;
        std::string out;
        ASSERT_TRUE(
            session.run("xdotool getwindowgeometry --shell " + std::to_string(panel), &out));
        auto value = [&](const std::string& name) {
            const std::size_t at = out.find(name + "=");
            return at == std::string::npos ? -1 : std::stoi(out.substr(at + name.size() + 1));
        };
        EXPECT_GE(value("X"), 0) << title;
        EXPECT_GE(value("Y"), 0) << title;
        EXPECT_LE(value("X") + value("WIDTH"), shot.width()) << title;
        EXPECT_LE(value("Y") + value("HEIGHT"), shot.height()) << title;
    }
}

}  // namespace
}  // namespace dw::test
