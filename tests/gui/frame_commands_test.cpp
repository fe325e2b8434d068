#include <QAction>
#include <QImage>
#include <QProgressDialog>
#include <QTest>
#include <cstring>

#include "commands/command_ids.h"
#include "panels/panel_registry.h"
#include "platform/qt/qt_progress.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

using FrameCommands = GuiTest;

TEST_F(FrameCommands, ZoomPutsTheCanvasWindowHomeAndDrawsEveryPixelOfARequest) {
    gui->moveCanvasWindow({-400, 7});
    command(command::kZoomFirst + 3);  // 200%
    EXPECT_EQ(gui->canvas().geometry(), QRect(90, 10, 1200, 1200));
    for (uint32_t x = 0; x < 40; ++x) {
        state.painting.cellForWriting(x, x / 2).paint = uint8_t(x * 6);
    }
    state.painting.invalidateShading();

    // Every pixel of a request is drawn, also where its edges cut magnified cells, as the
    // strips a moved window uncovers do; one left out keeps what the screen had there.
    for (int zoom : {1262, 1261, 1259}) {  // 300%, 200%, 50%
        command(zoom);
        const QImage whole = gui->canvas().grab().toImage();
        const QRect request(11, 7, 9, 13);
        QImage part(request.size(), QImage::Format_RGB32);
        part.fill(Qt::magenta);
        gui->canvas().render(&part, QPoint(), QRegion(request));
        for (int y = 0; y < request.height(); ++y) {
            for (int x = 0; x < request.width(); ++x) {
                ASSERT_EQ(part.pixel(x, y), whole.pixel(request.left() + x, request.top() + y))
                    << "zoom command " << zoom << " at " << x << ", " << y;
            }
        }
    }
    state.painting.create(601, 601);
    command(command::kZoomFirst);  // 25%: the window's size is truncated
    EXPECT_EQ(gui->canvas().size(), QSize(150, 150));
}

TEST_F(FrameCommands, WindowItemsAndActivationKeepPanelsAndMarksTogether) {
    PanelWindow& colours = *gui->panel(WindowId::Colours);
    QAction& item = *gui->frame().action(windowMenuCommand(WindowId::Colours));
    auto choose = [&] {
        item.trigger();  // as the menu does, mark flip included
        passes();
    };
    choose();
    EXPECT_FALSE(colours.isVisible());
    EXPECT_FALSE(item.isChecked());
    post(MessageKind::Activate, WindowId::Frame, 0, 0, 0);
    passes();
    EXPECT_FALSE(gui->panel(WindowId::Tools)->isVisible());
    post(MessageKind::Activate, WindowId::Frame, 0, 0, 1);
    passes();
    EXPECT_TRUE(gui->panel(WindowId::Tools)->isVisible());
    EXPECT_FALSE(colours.isVisible());  // hidden from the menu, so it stays hidden
    choose();
    EXPECT_TRUE(colours.isVisible());
    EXPECT_TRUE(item.isChecked());
    colours.close();  // the close box works like the menu item
    passes();
    EXPECT_FALSE(colours.isVisible());
    EXPECT_FALSE(item.isChecked());
    choose();
    EXPECT_TRUE(colours.isVisible());
    EXPECT_TRUE(item.isChecked());
}

TEST_F(FrameCommands, UndoAndRedoAreGreyedByTheHistoryAndServedByTheKeyboard) {
    QAction& undo = *gui->frame().action(command::kUndo);
    QAction& redo = *gui->frame().action(command::kRedo);
    EXPECT_FALSE(undo.isEnabled());
    stroke(100, 100, 140, 100);
    EXPECT_TRUE(undo.isEnabled());
    EXPECT_FALSE(redo.isEnabled());
    const uint8_t painted = state.painting.at(140, 100).red;
    EXPECT_LT(painted, 255);
    QTest::keyClick(&gui->canvas(), Qt::Key_Z, Qt::ControlModifier);
    passes(3);
    EXPECT_EQ(state.painting.at(140, 100).red, 255);
    EXPECT_TRUE(redo.isEnabled());
    QTest::keyClick(&gui->canvas(), Qt::Key_Y, Qt::ControlModifier);
    passes(3);
    EXPECT_EQ(state.painting.at(140, 100).red, painted);
    EXPECT_FALSE(redo.isEnabled());
}

TEST_F(FrameCommands, PaintifyShowsItsProgressAndCancelPutsEverythingBack) {
    platform::QtProgress progress;
    platform::installProgress(&progress);
    state.painting.create(1500, 1500);
    state.brush.size = 4;  // a long run: hundreds of thousands of dabs
    const CanvasCell before = state.painting.at(700, 700);
    bool shown = false;
    whenShown<QProgressDialog>([&](QProgressDialog& dialog) {
        shown = true;
        dialog.cancel();
    });
    command(1850);  // Filters > Paintify
    platform::installProgress(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(std::memcmp(&state.painting.at(700, 700), &before, sizeof before), 0);
    EXPECT_FALSE(gui->frame().action(command::kUndo)->isEnabled());
    EXPECT_TRUE(state.history.documentClean());
}

}  // namespace
}  // namespace dw::test
