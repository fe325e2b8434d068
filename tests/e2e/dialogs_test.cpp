#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "tests/e2e/program_run.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using Dialogs = ProgramRun;

TEST_F(Dialogs, ExportWritesAPngAndPuttingTheClosingQuestionAwayKeepsThePainting) {
    const unsigned long frame = start();
    ASSERT_NE(frame, 0u);
    key("alt+f");
    key("e");  // File > Export Image
    ASSERT_NE(session.waitForWindow("Export Image", 10s), 0u);
    const fs::path exported = root / "home" / "out.png";
    ASSERT_TRUE(session.run("xdotool type --delay 10 '" + exported.string() + "'"));
    key("Return");
    awaitFile(exported);
    std::string identified;
    EXPECT_TRUE(
        session.run("identify -format '%m %w %h' '" + exported.string() + "'", &identified));
    EXPECT_EQ(identified, "PNG 600 600");
    ASSERT_TRUE(session.waitWhileWindow("Export Image", 10s));
    std::this_thread::sleep_for(500ms);

    const Surface welcome = session.screenshot((root / "welcome.png").string());
    const CanvasSpot canvas = findCanvas(welcome, frame);
    scribble(canvas);
    std::this_thread::sleep_for(500ms);
    const Surface painted = session.screenshot((root / "painted.png").string());
    ASSERT_GT(differingPixels(welcome, canvas, painted, canvas), 1000);

    for (const bool escape : {true, false}) {
        ASSERT_TRUE(session.closeWindow("Daubwerk"));
        ASSERT_NE(session.waitForWindow("Save Changes\\?", 10s), 0u);
        if (escape) {
            key("Escape");
        } else {
            ASSERT_TRUE(session.closeWindow("Save Changes?"));  // the question's close box
        }
        ASSERT_TRUE(session.waitWhileWindow("Save Changes\\?", 10s));
        std::this_thread::sleep_for(500ms);
        EXPECT_TRUE(program.running());
        const Surface kept = session.screenshot((root / "kept.png").string());
        EXPECT_EQ(differingPixels(painted, canvas, kept, canvas), 0);
    }
    ASSERT_TRUE(session.closeWindow("Daubwerk"));
    ASSERT_NE(session.waitForWindow("Save Changes\\?", 10s), 0u);
    key("alt+n");
    EXPECT_EQ(program.wait(15s), 0);
    // A program that was not installed leaves the desktop's file types and entries alone.
    EXPECT_FALSE(fs::exists(root / "home" / "data" / "applications"));
    EXPECT_FALSE(fs::exists(root / "home" / "data" / "mime"));
}

}  // namespace
}  // namespace dw::test
