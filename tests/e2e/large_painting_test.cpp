#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/program_run.h"

namespace dw::test {
namespace {

using namespace std::chrono_literals;

// How far along the row a stroke shows without a gap: the first column, from the press on,
// where no pixel of the rows around y differs from the picture before.
int paintedRun(const Surface& before, const Surface& shot, int pressX, int y, int end) {
    for (int x = pressX; x < end; ++x) {
        bool painted = false;
        for (int dy = -3; dy <= 3 && !painted; ++dy) {
            painted = before.getPixel(x, y + dy) != shot.getPixel(x, y + dy);
        }
        if (!painted) {
            return x;
        }
    }
    return end;
}

std::string at(int x, int y) {
    return std::to_string(x) + " " + std::to_string(y);
}

TEST_F(ProgramRun, APressAndDragOnTheLargestPaintingPaintsFromItsFirstMovement) {
    const unsigned long frame = start({paintingOf(5000, 5000)});
    ASSERT_NE(frame, 0u);
    const Surface opened = session.screenshot((root / "opened.png").string());
    const CanvasSpot canvas = findCanvas(opened, frame);
    // Reading and shading 25 million cells takes a while on a busy machine: a click whose dab
    // shows says the program has come to its main loop.
    const int probeX = canvas.x + 500;
    const int probeY = canvas.y + 400;
    ASSERT_TRUE(session.run("xdotool mousemove " + at(probeX, probeY) + " click 1"));
    ASSERT_TRUE(within(
        30s,
        [&] {
            const Surface shot = session.screenshot((root / "probe.png").string());
            return shot.getPixel(probeX, probeY) != shot.getPixel(probeX + 120, probeY);
        },
        500ms));
    const Surface before = session.screenshot((root / "before.png").string());

    // A slow drag, as a painter starts a stroke: each move is taken by its own passes, so
    // any pass that stalls shows as a gap behind the press.
    const int pressX = canvas.x + 60;
    const int y = canvas.y + 150;
    ASSERT_TRUE(session.run("xdotool mousemove " + at(pressX, y) + " mousedown 1"));
    std::vector<std::pair<int, Surface>> along;
    int x = pressX;
    for (int step = 1; step <= 60; ++step) {
        x += 6;
        session.run("xdotool mousemove " + at(x, y));
        std::this_thread::sleep_for(20ms);
        if (step % 20 == 0) {
            const std::string name = "drag" + std::to_string(step) + ".png";
            along.emplace_back(x, session.screenshot((root / name).string()));
        }
    }
    session.run("xdotool mouseup 1");
    for (const auto& [pointerX, shot] : along) {
        SCOPED_TRACE("pointer at " + std::to_string(pointerX - pressX) + " px from the press");
        // The brush reaches ahead of the pointer; behind it nothing may be missing.
        EXPECT_EQ(paintedRun(before, shot, pressX, y, pointerX), pointerX);
    }
}

}  // namespace
}  // namespace dw::test
