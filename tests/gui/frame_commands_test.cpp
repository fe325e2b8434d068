#include <QAction>
#include <QApplication>
#include <QImage>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "app/commands/command_ids.h"
#include "platform/qt/qt_progress.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

using FrameCommands = GuiTest;

TEST_F(FrameCommands, ZoomRecreatesTheCanvasWindowAtItsHome) {
    gui->moveCanvasWindow({-400, 7});
    command(1261);  // 200%
    EXPECT_EQ(gui->canvas().geometry(), QRect(90, 10, 1200, 1200));
    state.painting.create(601, 601);
    command(command::kZoomFirst);  // 25%
    EXPECT_EQ(gui->canvas().size(), QSize(150, 150));
}

TEST_F(FrameCommands, TheCanvasShowsEachCellAsAZoomSquareOfItsShadedPixel) {
    state.painting.cellForWriting(3, 2).red = 0;
    state.painting.cellForWriting(3, 2).paint = 0;
    state.painting.invalidateShading();
    command(1262);  // 300%
    const QImage shown = gui->canvas().grab().toImage();
    const Pixel cell = state.painting.surface().getPixel(3, 2);
    for (const QPoint& p : {QPoint(9, 6), QPoint(11, 8)}) {
        EXPECT_EQ(QColor(shown.pixel(p)), QColor(cell.red, cell.green, cell.blue));
    }
    EXPECT_EQ(QColor(shown.pixel(12, 6)), QColor(Qt::white));
}

TEST_F(FrameCommands, LightingSwitchesTheRenderingAndItsMark) {
    command(command::kLighting);
    EXPECT_FALSE(state.painting.lighting);
    EXPECT_FALSE(gui->menuChecked(command::kLighting));
    command(command::kLighting);
    EXPECT_TRUE(state.painting.lighting);
    EXPECT_TRUE(gui->menuChecked(command::kLighting));
}

TEST_F(FrameCommands, WindowItemsAndActivationKeepPanelsAndMarksTogether) {
    PanelWindow& colours = *gui->panel(WindowId::Colours);
    command(command::kColoursPanel);
    EXPECT_FALSE(colours.isVisible());
    EXPECT_FALSE(gui->menuChecked(command::kColoursPanel));
    post(MessageKind::Activate, WindowId::Frame, 0, 0, 0);
    passes();
    EXPECT_FALSE(gui->panel(WindowId::Tools)->isVisible());
    post(MessageKind::Activate, WindowId::Frame, 0, 0, 1);
    passes();
    EXPECT_TRUE(gui->panel(WindowId::Tools)->isVisible());
    EXPECT_FALSE(colours.isVisible());  // hidden from the menu, so it stays hidden
    command(command::kColoursPanel);
    EXPECT_TRUE(colours.isVisible());
    EXPECT_TRUE(gui->menuChecked(command::kColoursPanel));
    colours.close();  // the close box works like the menu item
    passes();
    EXPECT_FALSE(colours.isVisible());
    EXPECT_FALSE(gui->menuChecked(command::kColoursPanel));
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

TEST_F(FrameCommands, AMenuFilterChangesThePaintingUndoably) {
    gui->frame().action(1305)->trigger();  // Colors > Invert
    passes(2);
    EXPECT_EQ(state.painting.at(5, 5).red, 0);  // white cells hold full colour and no paint
    EXPECT_TRUE(gui->frame().action(command::kUndo)->isEnabled());
    EXPECT_FALSE(state.history.documentClean());
}

TEST_F(FrameCommands, SpaceLendsTheHandToolWhichDragsTheCanvasWindow) {
    state.brush.tool = ToolId::Knife;
    QTest::keyPress(&gui->canvas(), Qt::Key_Space);
    passes();
    EXPECT_EQ(state.brush.tool, ToolId::HandTool);
    post(MessageKind::PointerMove, WindowId::Canvas, 50, 50);
    post(MessageKind::LeftButtonDown, WindowId::Canvas, 50, 50);
    post(MessageKind::PointerMove, WindowId::Canvas, 80, 30);
    passes(4);
    EXPECT_EQ(gui->canvas().pos(), QPoint(120, -10));
    post(MessageKind::LeftButtonUp, WindowId::Canvas, 80, 30);
    QTest::keyRelease(&gui->canvas(), Qt::Key_Space);
    passes(3);
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
}

TEST_F(FrameCommands, PaintifyShowsItsProgressAndCancelPutsEverythingBack) {
    platform::QtProgress progress;
    platform::installProgress(&progress);
    state.painting.create(1500, 1500);
    state.brush.size = 4;  // a long run: hundreds of thousands of dabs
    const CanvasCell before = state.painting.at(700, 700);
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QProgressDialog*>(window);
                dialog && dialog->isVisible()) {
                shown = true;
                watch.stop();
                dialog->cancel();
            }
        }
    });
    watch.start(20);
    command(1850);  // Filters > Paintify
    platform::installProgress(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(std::memcmp(&state.painting.at(700, 700), &before, sizeof before), 0);
    EXPECT_FALSE(gui->frame().action(command::kUndo)->isEnabled());
    EXPECT_TRUE(state.history.documentClean());
}

TEST_F(FrameCommands, ExitClosesACleanPaintingAtOnce) {
    command(command::kExit);
    passes();
    EXPECT_TRUE(state.quitRequested);
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace dw::test
