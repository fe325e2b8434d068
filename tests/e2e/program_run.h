#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "canvas/surface.h"
#include "tests/e2e/x_session.h"
#include "tests/support/temp_dir.h"

namespace dw::test {

constexpr int kCanvasSide = 600;

struct CanvasSpot {
    int x = 0;
    int y = 0;
};

// Pixels that differ between two squares (or width x height areas) of two screenshots.
int differingPixels(const Surface& a, CanvasSpot at, const Surface& b, CanvasSpot bAt,
                    int width = kCanvasSide, int height = kCanvasSide);

// The program as a person runs it: a program folder of its own with nothing written in it
// yet, a display with a window manager, the mouse and the keyboard.
class ProgramRun : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits for its frame; the frame's window id, or 0.
    unsigned long start(const std::vector<std::string>& arguments = {});
    // The program started on these arguments in environment(), not waited for.
    Process launch(const std::vector<std::string>& arguments = {}) const;
    // Runs the batch tool on these arguments (quoted as the shell needs); true on success.
    static bool batch(const std::string& arguments);
    // The user's own folders are the test's: the lock, the socket, the file type.
    std::map<std::string, std::string> environment() const;
    // A white painting of this size written by the batch tool as a document ("pai") or as a
    // picture of the kind the extension names; its path.
    std::string paintingOf(uint32_t width, uint32_t height, const std::string& extension = "pai");
    // Where the canvas window shows on a screenshot of the frame, at a device pixel ratio.
    CanvasSpot findCanvas(const Surface& shot, unsigned long frame, int pixelRatio = 1);
    // Screenshots until one shows what `shown` looks for, or ten seconds have passed; the last.
    // A loaded machine may take its time over a key, so no fixed wait is long enough.
    Surface screenshotShowing(const std::string& name,
                              const std::function<bool(const Surface&)>& shown);
    // xdotool key, then a moment for the program to take it.
    void key(const std::string& keys);
    // A mouse stroke across the canvas from (100, 100) to (300, 150).
    void scribble(CanvasSpot canvas);
    // Closes the frame and expects the program to end cleanly.
    void quit();
    // Waits up to ten seconds for a file the program writes once a dialog has closed.
    void awaitFile(const std::filesystem::path& path);

    XSession session;
    // Set before start(): more of the environment the program runs in (a scale factor, ...).
    std::map<std::string, std::string> moreEnvironment;
    Process program;
    TempDir folder;
    std::filesystem::path root = folder.path();
};

}  // namespace dw::test
