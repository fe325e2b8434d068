#include <QCoreApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QTest>
#include <QWheelEvent>
#include <cstring>

#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

// The wheel, the middle button, Alt and the keys on the real canvas window.
class Hands : public GuiTest {
  protected:
    void wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers) {
        QWidget& canvas = gui->canvas();
        QWheelEvent event(at, canvas.mapToGlobal(at), {}, angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&canvas, &event);
        passes(2);
    }
    // screen: where the cursor is, which the Hand Tool follows as the window moves under it.
    void mouse(QEvent::Type type, QPoint at, QPoint screen, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, screen, type == QEvent::MouseMove ? Qt::NoButton : button, held,
                          modifiers);
        QCoreApplication::sendEvent(&gui->canvas(), &event);
        passes(3);
    }
};

TEST_F(Hands, TheWheelMovesThePaintingAndCtrlWheelZoomsKeepingTheCellUnderThePointer) {
    const QPoint home = gui->canvas().pos();
    wheel({100, 80}, {0, -120}, Qt::NoModifier);
    EXPECT_EQ(gui->canvas().pos(), home + QPoint(0, -40));
    wheel({100, 80}, {0, 120}, Qt::ShiftModifier);
    EXPECT_EQ(gui->canvas().pos(), home + QPoint(40, -40));

    const QPoint before = gui->canvas().pos() + QPoint(101, 81);  // cell (101, 81)
    wheel({101, 81}, {0, 120}, Qt::ControlModifier);
    EXPECT_EQ(state.zoomFactor, 2.0f);
    EXPECT_EQ(gui->canvas().width(), 1200);
    EXPECT_EQ(gui->canvas().pos() + QPoint(202, 162), before);
    wheel({202, 162}, {0, -120}, Qt::ControlModifier);
    EXPECT_EQ(state.zoomFactor, 1.0f);
    EXPECT_EQ(gui->canvas().pos() + QPoint(101, 81), before);

    // A touchpad's pinch: a step once it has spread by a quarter.
    for (int i = 0; i < 3; ++i) {
        QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(),
                                  1, QPointF(101, 81), QPointF(101, 81), QPointF(), 0.1, {}, {});
        QCoreApplication::sendEvent(&gui->canvas(), &pinch);
        passes();
    }
    EXPECT_EQ(state.zoomFactor, 2.0f);

    // The keys as Qt names them: Ctrl+0, a tool's letter, a bracket.
    QTest::keyClick(&gui->canvas(), Qt::Key_0, Qt::ControlModifier);
    QTest::keyClick(&gui->canvas(), Qt::Key_K);
    QTest::keyClick(&gui->canvas(), Qt::Key_BracketLeft);
    passes(8);
    EXPECT_EQ(state.zoomFactor, 1.0f);
    EXPECT_EQ(gui->panel(WindowId::Properties)->windowTitle(), " Brush Properties: Knife");
    EXPECT_EQ(state.brush.size, 29);
}

TEST_F(Hands, TheMiddleButtonDragsThePaintingAndAltClickPicksTheColourWithAnyTool) {
    state.brush.tool = ToolId::PaintBrush;
    const std::vector<uint8_t> untouched = cells();
    const QPoint home = gui->canvas().pos();
    const QPoint grip = gui->canvas().mapToGlobal(QPoint(50, 50));
    mouse(QEvent::MouseButtonPress, {50, 50}, grip, Qt::MiddleButton);
    mouse(QEvent::MouseMove, {80, 30}, grip + QPoint(30, -20), Qt::MiddleButton);
    mouse(QEvent::MouseButtonRelease, {50, 50}, grip + QPoint(30, -20), Qt::MiddleButton);
    EXPECT_EQ(gui->canvas().pos(), home + QPoint(30, -20));
    EXPECT_EQ(state.brush.tool, ToolId::PaintBrush);
    EXPECT_EQ(state.history.count(), 0u);  // moving the painting is no step to undo

    state.painting.cellForWriting(20, 20) = {10, 120, 230, 0, 0, {}, 0.0f};
    state.painting.invalidateShading();
    passes();
    const Pixel shown = state.painting.surface().getPixel(20, 20);
    const QPoint cell = gui->canvas().mapToGlobal(QPoint(20, 20));
    const std::vector<uint8_t> painted = cells();
    mouse(QEvent::MouseMove, {20, 20}, cell, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {20, 20}, cell, Qt::LeftButton, Qt::AltModifier);
    mouse(QEvent::MouseButtonRelease, {20, 20}, cell, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(state.brush.red, shown.red);
    EXPECT_EQ(state.brush.blue, shown.blue);
    EXPECT_EQ(state.brush.tool, ToolId::PaintBrush);
    EXPECT_TRUE(cells() == painted);
    EXPECT_FALSE(untouched == painted);
}

}  // namespace
}  // namespace dw::test
