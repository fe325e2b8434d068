#include <QAction>
#include <QImage>
#include <QProgressDialog>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "commands/command_ids.h"
#include "panels/panel_registry.h"
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

TEST_F(FrameCommands, HelpGetsTheFrameOutOfTheWayOnlyWhenTheManualOpened) {
    // A desktop opener that finds no viewer, then one that shows the page.
    const std::filesystem::path openers = file("openers");
    std::filesystem::create_directory(openers);
    auto opener = [&](int exitCode) {
        std::ofstream(openers / "xdg-open") << "#!/bin/sh\nexit " << exitCode << "\n";
        std::filesystem::permissions(openers / "xdg-open", std::filesystem::perms::owner_all);
    };
    const std::string path = std::getenv("PATH");
    setenv("PATH", openers.c_str(), 1);
    auto help = [&] {
        gui->frame().action(command::kHelp)->trigger();
        passes();
    };
    opener(0);
    help();  // no manual beside the program
    std::filesystem::create_directory(file("manual"));
    std::ofstream(file("manual/index.html")) << "<html></html>";
    opener(3);
    help();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_NE(boxes.shown()[0].text.find("could not be found"), std::string::npos);
    EXPECT_NE(boxes.shown()[1].text.find("could not be opened"), std::string::npos);
    EXPECT_NE(boxes.shown()[1].text.find(file("manual/index.html")), std::string::npos);
    EXPECT_FALSE(gui->frame().isMinimized());
    opener(0);
    help();
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(gui->frame().isMinimized());
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

TEST_F(FrameCommands, ExitClosesACleanPaintingAtOnce) {
    command(command::kExit);
    passes();
    EXPECT_TRUE(state.quitRequested);
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace dw::test
