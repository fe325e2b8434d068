#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/main_loop/main_loop_pass.h"
#include "panels/panel_loop_windows.h"
#include "panels/panel_windows.h"
#include "panels/panels.h"
#include "platform/headless/headless_dialogs.h"
#include "tests/support/message_capture.h"

namespace dw::test {

// What the panels asked of their windows.
struct RecordingPanelWindows : PanelWindows {
    void repaint(WindowId window, const IntRect* area) override {
        repaints.push_back({window, area ? *area : IntRect{}});
    }
    void setCaption(WindowId window, const std::string& caption) override {
        captions.push_back({window, caption});
    }
    bool trackPointerLeave(WindowId) override { return true; }

    std::vector<std::pair<WindowId, IntRect>> repaints;
    std::vector<std::pair<WindowId, std::string>> captions;
};

// The panels started as the program starts them, run through the main loop.
class PanelTest : public ::testing::Test {
  protected:
    PanelTest();
    ~PanelTest() override;

    // Start-up: the palette panel while the splash shows, then the rest of the panels.
    void startUp();
    // One new message for a panel window, taken by one main-loop pass.
    void send(WindowId window, MessageKind kind, int x, int y);
    void passes(int count);
    // Press and release at (x, y), with a pass between.
    void click(WindowId window, int x, int y);
    // What the window shows now.
    const Surface& shown(WindowId window) { return panels->picture(state, window); }
    Pixel pixel(WindowId window, int x, int y) { return shown(window).getPixel(x, y); }

    AppState state;
    std::unique_ptr<Panels> panels = std::make_unique<Panels>();
    RecordingPanelWindows windows;
    MessageQueue queue;
    MessageCapture messages;
    platform::HeadlessFileDialogs dialogs;
};

}  // namespace dw::test
