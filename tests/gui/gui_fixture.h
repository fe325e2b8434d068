#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/app_state.h"
#include "core/main_loop/loop_message.h"
#include "gui/canvas_window.h"
#include "gui/frame_window.h"
#include "gui/gui.h"
#include "gui/panel_window.h"
#include "gui/program_pictures.h"
#include "panels/panels.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_message_boxes.h"
#include "tests/support/temp_dir.h"

namespace dw::test {

// The program's windows on Qt's offscreen platform, in a folder of their own beside the
// build's pictures, with the user's settings file in it too. Message boxes and file dialogs answer
// from queues the test fills.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Main-loop passes, exactly as the program runs them.
    void passes(int count = 1);
    void post(MessageKind kind, WindowId target, int x = 0, int y = 0, uint32_t code = 0);
    void command(int commandId);
    // A short stroke of the current tool on the canvas window.
    void stroke(int x0, int y0, int x1, int y1);
    std::string file(const std::string& name) const { return folder_.file(name); }
    // The painting's cells, byte for byte.
    std::vector<uint8_t> cells() const {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&state.painting.at(0, 0));
        return {bytes, bytes + std::size_t(state.painting.width()) * state.painting.height() * 12};
    }
    // Hands act each visible window of this type at every look until act says it is done:
    // it answers the dialogs and boxes that run an event loop of their own.
    template <class Window, class Act>
    void whileShown(Act act) {
        watch_ = std::make_unique<QTimer>();
        QObject::connect(watch_.get(), &QTimer::timeout, [this, act]() mutable {
            watch_->stop();  // act may run an event loop of its own
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* window = dynamic_cast<Window*>(widget);
                    window && window->isVisible() && act(*window)) {
                    return;
                }
            }
            watch_->start(5);
        });
        watch_->start(5);
    }
    template <class Window, class Act>
    void whenShown(Act act) {
        whileShown<Window>([act](Window& window) mutable {
            act(window);
            return true;
        });
    }

    platform::HeadlessMessageBoxes boxes;
    platform::HeadlessFileDialogs dialogs;
    AppState state;
    MessageQueue queue;
    Panels panels;
    ProgramPictures pictures;
    std::unique_ptr<Gui> gui;

  private:
    std::unique_ptr<QTimer> watch_;
    std::filesystem::path previous_;
    TempDir folder_;
};

}  // namespace dw::test
