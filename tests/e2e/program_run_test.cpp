#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "core/app_state.h"
#include "files/document_file.h"
#include "files/image_file.h"
#include "tests/e2e/program_run.h"
#include "tests/support/file_contents.h"
#include "widgets/panel_layout.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST_F(ProgramRun, PaintSaveQuitReopenMinimiseRestoreAndTakeOneHandedOver) {
    const unsigned long frame = start();
    ASSERT_NE(frame, 0u);
    const Surface welcome = session.screenshot((root / "welcome.png").string());
    const CanvasSpot canvas = findCanvas(welcome, frame);

    scribble(canvas);
    // The stroke has landed when two screenshots in a row change as many pixels.
    int previous = -1;
    const Surface painted = screenshotShowing("painted.png", [&](const Surface& shot) {
        const int now = differingPixels(welcome, canvas, shot, canvas);
        const bool settled = now > 2000 && now == previous;
        previous = now;
        return settled;
    });
    EXPECT_GT(differingPixels(welcome, canvas, painted, canvas), 2000);

    const std::string saved = (root / "stroke.pai").string();
    key("ctrl+s");
    ASSERT_NE(session.waitForWindow("Save As", 10s), 0u);
    ASSERT_TRUE(session.run("xdotool type --delay 10 '" + saved + "'"));
    key("Return");
    awaitFile(saved);
    ASSERT_TRUE(fs::exists(saved));
    quit();
    EXPECT_EQ(fileText(root / "program" / "prefs.dat"), std::string("\0\1", 2));

    // The document holds the stroke: its cells differ from the welcome painting's there.
    Canvas welcomeDocument;
    Canvas strokeDocument;
    ASSERT_TRUE(
        LoadDocument(welcomeDocument, (root / "program" / "Examples" / "welcome.pai").string()));
    ASSERT_TRUE(LoadDocument(strokeDocument, saved));
    EXPECT_NE(welcomeDocument.at(100, 100).height, strokeDocument.at(100, 100).height);
    EXPECT_EQ(welcomeDocument.at(300, 30).height, strokeDocument.at(300, 30).height);

    const unsigned long again = start({saved});
    ASSERT_NE(again, 0u);
    const Surface reopened = session.screenshot((root / "reopened.png").string());
    const std::string exported = (root / "exported.bmp").string();
    ASSERT_TRUE(batch("--open '" + saved + "' --export '" + exported + "'"));
    Surface expected;
    ASSERT_TRUE(LoadImageFile(expected, exported, ImageMessages::Hidden));
    EXPECT_EQ(differingPixels(reopened, findCanvas(reopened, again), expected, {0, 0}), 0);

    const auto shown = [&](const std::string& title) { return !session.windows(title).empty(); };
    const auto property = [&](unsigned long window, const std::string& name) {
        std::string out;
        session.run("xprop -id " + std::to_string(window) + " " + name, &out);
        return out;
    };
    // Shown, and still so a moment later: a window that is iconified again at once is not.
    const auto staysShown = [&] {
        std::this_thread::sleep_for(1500ms);
        return property(again, "WM_STATE").find("Normal") != std::string::npos &&
               shown("Daubwerk") && shown(" Tools");
    };
    const auto minimise = [&] {
        ASSERT_TRUE(session.run("xdotool windowminimize " + std::to_string(again)));
        ASSERT_TRUE(session.waitWhileWindow("Daubwerk", 5s));
        ASSERT_TRUE(session.waitWhileWindow(" Tools", 5s));
    };
    const unsigned long tools = session.waitForWindow(" Tools", 5s);
    ASSERT_NE(tools, 0u);
    // The panels carry a title and a close box only.
    const std::string actions = property(tools, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_NE(actions.find("_NET_WM_ACTION_CLOSE"), std::string::npos);
    EXPECT_EQ(actions.find("_NET_WM_ACTION_MINIMIZE"), std::string::npos);
    EXPECT_EQ(actions.find("_NET_WM_ACTION_MAXIMIZE"), std::string::npos);

    // A restored frame brings back the panels that were shown, as they were.
    ASSERT_TRUE(session.closeWindow(" Colors"));
    ASSERT_TRUE(session.waitWhileWindow(" Colors", 5s));
    std::this_thread::sleep_for(500ms);
    const Surface unminimised = session.screenshot((root / "before.png").string());
    minimise();
    ASSERT_TRUE(session.run("wmctrl -ia " + std::to_string(again)));
    EXPECT_TRUE(staysShown());
    EXPECT_TRUE(shown(" Palette"));
    EXPECT_FALSE(shown(" Colors"));
    const Surface restored = session.screenshot((root / "restored.png").string());
    const CanvasSpot shownAt = findCanvas(unminimised, again);
    EXPECT_EQ(differingPixels(unminimised, shownAt, restored, shownAt), 0);
    CanvasSpot toolsAt;
    ASSERT_TRUE(session.windowOrigin(tools, toolsAt.x, toolsAt.y));
    EXPECT_EQ(differingPixels(unminimised, toolsAt, restored, toolsAt, 60, 200), 0);

    // A second start hands its picture to the running program, which comes back from the
    // taskbar and imports it, and leaves, as does a third with none.
    minimise();
    const std::string handed = paintingOf(123, 77, "png");
    EXPECT_EQ(launch({handed}).wait(10s), 0);
    EXPECT_TRUE(staysShown());
    EXPECT_EQ(launch().wait(10s), 0);
    std::this_thread::sleep_for(1s);
    const Surface shot = session.screenshot((root / "handed.png").string());
    const CanvasSpot spot = findCanvas(shot, again);
    const Pixel grey{128, 128, 128, 0};
    EXPECT_NE(shot.getPixel(spot.x + 122, spot.y + 76), grey);
    EXPECT_EQ(shot.getPixel(spot.x + 123, spot.y + 40), grey);
    EXPECT_EQ(shot.getPixel(spot.x + 60, spot.y + 77), grey);
    EXPECT_EQ(session.windows("Daubwerk").size(), 1u);
    quit();
}

TEST_F(ProgramRun, ABrushKeptInThePaletteAndTheLightingSwitchComeBackEvenPastAnError) {
    const unsigned long frame = start();
    ASSERT_NE(frame, 0u);
    const std::string tools = std::to_string(session.waitForWindow(" Tools", 5s));
    const std::string colours = std::to_string(session.waitForWindow(" Colors", 5s));
    const std::string palette = std::to_string(session.waitForWindow(" Palette", 5s));
    auto clickIn = [&](const std::string& window, int x, int y) {
        ASSERT_TRUE(session.run("xdotool mousemove --window " + window + " " + std::to_string(x) +
                                " " + std::to_string(y) + " click 1"));
        std::this_thread::sleep_for(300ms);
    };
    clickIn(tools, layout::kToolColumnLeft + 10,
            layout::toolsRowTop(3, layout::kToolHeaderHeight, layout::kToolButtonHeight) + 10);
    EXPECT_NE(session.waitForWindow(" Brush Properties: Knife", 5s), 0u);
    clickIn(colours, layout::kPickOrigin.x + 40, layout::kPickOrigin.y + 4);
    const Surface before = session.screenshot((root / "before.png").string());
    const CanvasSpot canvas = findCanvas(before, frame);
    scribble(canvas);
    clickIn(palette, layout::kAddButton.x + 10, layout::kAddButton.y + 5);
    key("alt+v");
    key("l");  // View > Lighting: off
    std::this_thread::sleep_for(500ms);
    const Surface painted = session.screenshot((root / "painted.png").string());
    ASSERT_GT(differingPixels(before, canvas, painted, canvas), 1000);
    ASSERT_TRUE(session.closeWindow("Daubwerk"));
    ASSERT_NE(session.waitForWindow("Save Changes\\?", 10s), 0u);
    key("alt+n");  // No: leave without saving
    EXPECT_EQ(program.wait(15s), 0);
    // A program that was not installed leaves the desktop's file types and entries alone.
    EXPECT_FALSE(fs::exists(root / "home" / "data" / "applications"));
    EXPECT_FALSE(fs::exists(root / "home" / "data" / "mime"));

    const std::string bytes = fileText(root / "program" / "data" / "palette.dat");
    ASSERT_EQ(bytes.size(), 1444u);
    EXPECT_EQ(bytes[32], 1);                            // slot 1 is used
    EXPECT_EQ(bytes[32 + 8 + 8], char(ToolId::Knife));  // by a knife
    EXPECT_EQ(fileText(root / "program" / "prefs.dat"), std::string("\0\0", 2));

    // Installed, the program writes its file type at start: a data home that cannot be
    // written (a file where the folder should be) is reported and the painting goes on.
    std::ofstream(root / "not-a-folder") << "x";
    std::ofstream(root / "program" / "installed") << "as the installers write it";
    moreEnvironment["XDG_DATA_HOME"] = (root / "not-a-folder" / "share").string();
    program = launch();
    ASSERT_NE(session.waitForWindow("Error", 30s), 0u);
    key("Return");
    ASSERT_NE(session.waitForWindow("Daubwerk", 30s), 0u);
    std::this_thread::sleep_for(1500ms);
    const std::string again = std::to_string(session.waitForWindow(" Palette", 5s));
    ASSERT_TRUE(session.run("import -window " + again + " " + (root / "palette.png").string()));
    Surface shownPalette;
    ASSERT_TRUE(
        LoadImageFile(shownPalette, (root / "palette.png").string(), ImageMessages::Hidden));
    const int middle = layout::kBrushGrid.y + 15;
    const Pixel empty = shownPalette.getPixel(layout::kBrushGrid.x + 2 * 30 + 15, middle);
    EXPECT_NE(shownPalette.getPixel(layout::kBrushGrid.x + 30 + 15, middle), empty);
    quit();
}

}  // namespace
}  // namespace dw::test
