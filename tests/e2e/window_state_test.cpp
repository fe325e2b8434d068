#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/e2e/program_run.h"

namespace dw::test {
namespace {

using namespace std::chrono_literals;

// The frame and the floating panels as the window manager sees them.
class WindowState : public ProgramRun {
  protected:
    std::string property(unsigned long window, const std::string& name) {
        std::string out;
        session.run("xprop -id " + std::to_string(window) + " " + name, &out);
        return out;
    }
    bool shown(const std::string& title) {
        return session.run("xdotool search --onlyvisible --name '^" + title + "$' >/dev/null");
    }
    // Shown, and still so a moment later: a window that is iconified again at once is not.
    bool staysShown(unsigned long window) {
        std::this_thread::sleep_for(1500ms);
        return property(window, "WM_STATE").find("Normal") != std::string::npos &&
               shown("Daubwerk") && shown(" Tools");
    }
    void minimise(unsigned long frame) {
        ASSERT_TRUE(session.run("xdotool windowminimize " + std::to_string(frame)));
        ASSERT_TRUE(session.waitWhileWindow("Daubwerk", 5s));
        ASSERT_TRUE(session.waitWhileWindow(" Tools", 5s));
    }
    void chooseWindowTools() {
        key("alt+w");
        key("Return");
    }
};

TEST_F(WindowState, TheWindowMenuAndAMinimisedFrameBringBackThePanelsThatWereShown) {
    const unsigned long frame = start();
    ASSERT_NE(frame, 0u);
    ASSERT_NE(session.waitForWindow(" Tools", 5s), 0u);
    // The Window menu toggles a panel and brings back one closed by its close box.
    chooseWindowTools();
    EXPECT_TRUE(session.waitWhileWindow(" Tools", 5s));
    chooseWindowTools();
    EXPECT_NE(session.waitForWindow(" Tools", 5s), 0u);
    ASSERT_TRUE(session.closeWindow(" Tools"));
    EXPECT_TRUE(session.waitWhileWindow(" Tools", 5s));
    chooseWindowTools();
    const unsigned long tools = session.waitForWindow(" Tools", 5s);
    ASSERT_NE(tools, 0u);
    // The panels carry a title and a close box only.
    const std::string actions = property(tools, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_NE(actions.find("_NET_WM_ACTION_CLOSE"), std::string::npos);
    EXPECT_EQ(actions.find("_NET_WM_ACTION_MINIMIZE"), std::string::npos);
    EXPECT_EQ(actions.find("_NET_WM_ACTION_MAXIMIZE"), std::string::npos);
    ASSERT_TRUE(session.closeWindow(" Colors"));  // hidden before the frame goes
    ASSERT_TRUE(session.waitWhileWindow(" Colors", 5s));
    std::this_thread::sleep_for(500ms);
    const Surface before = session.screenshot((root / "before.png").string());

    minimise(frame);
    ASSERT_TRUE(session.run("wmctrl -ia " + std::to_string(frame)));
    EXPECT_TRUE(staysShown(frame));
    EXPECT_TRUE(shown(" Palette"));
    EXPECT_FALSE(shown(" Colors"));
    // The screen shows the painting and the tools panel as they were.
    const Surface restored = session.screenshot((root / "restored.png").string());
    const CanvasSpot canvas = findCanvas(before, frame);
    EXPECT_EQ(differingPixels(before, canvas, restored, canvas), 0);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(session.windowOrigin(tools, x, y));
    int toolsDiffer = 0;
    for (int row = y; row < y + 200; ++row) {
        for (int column = x; column < x + 60; ++column) {
            toolsDiffer += before.getPixel(column, row) != restored.getPixel(column, row);
        }
    }
    EXPECT_EQ(toolsDiffer, 0);

    // A second start handing over a painting brings the frame back as well.
    minimise(frame);
    Process second({(root / "program" / "daubwerk").string(), paintingOf(50, 40)}, environment());
    EXPECT_EQ(second.wait(10s), 0);
    EXPECT_TRUE(staysShown(frame));
    quit();
}

}  // namespace
}  // namespace dw::test
