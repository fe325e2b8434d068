#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include "commands/command_ids.h"
#include "tests/gui/gui_fixture.h"
#include "widgets/panel_layout.h"

namespace dw::test {
namespace {

// The floating panels in their real windows, handled as a hand on the mouse would.
class PanelWindows : public GuiTest {
  protected:
    void pointer(WindowId window, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QWidget& widget = *gui->panel(window);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
        passes(2);
    }
    void click(WindowId window, QPoint at) {
        pointer(window, QEvent::MouseMove, at, Qt::NoButton);
        pointer(window, QEvent::MouseButtonPress, at, Qt::LeftButton);
        pointer(window, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    void drag(WindowId window, QPoint from, QPoint to) {
        pointer(window, QEvent::MouseMove, from, Qt::NoButton);
        pointer(window, QEvent::MouseButtonPress, from, Qt::LeftButton);
        pointer(window, QEvent::MouseMove, to, Qt::LeftButton);
        pointer(window, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
};

TEST_F(PanelWindows, AToolButtonNamesItsToolAndAClickSelectsItEverywhere) {
    const int knifeRow = 3;
    const int top =
        layout::toolsRowTop(knifeRow, layout::kToolHeaderHeight, layout::kToolButtonHeight);
    const QPoint knife(layout::kToolColumnLeft + 10, top + 10);
    QWidget& tools = *gui->panel(WindowId::Tools);
    QHelpEvent help(QEvent::ToolTip, knife, tools.mapToGlobal(knife));
    QCoreApplication::sendEvent(&tools, &help);
    EXPECT_EQ(QToolTip::text(), "Knife (K)");
    QHelpEvent header(QEvent::ToolTip, QPoint(layout::kToolColumnLeft + 10, 3),
                      tools.mapToGlobal(QPoint(layout::kToolColumnLeft + 10, 3)));
    QCoreApplication::sendEvent(&tools, &header);
    EXPECT_FALSE(header.isAccepted());  // the headers name no tool

    click(WindowId::Tools, knife);
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
    EXPECT_EQ(gui->panel(WindowId::Properties)->windowTitle(), " Brush Properties: Knife");
}

TEST_F(PanelWindows, AColourSliderDraggedAcrossAnotherMovesOnlyItself) {
    const uint8_t green = state.brush.green;
    const layout::SliderSpot red = layout::kRedSlider;
    drag(WindowId::Colours, {red.x + 70, red.y}, {red.x + 100, red.y + 2});
    EXPECT_EQ(state.brush.red, 182);  // 100 of 140 pixels: 71.4 % of 255
    drag(WindowId::Colours, {red.x + 100, red.y}, {red.x + 20, layout::kGreenSlider.y});
    EXPECT_EQ(state.brush.red, 182);      // off its own track the red slider stays, and
    EXPECT_EQ(state.brush.green, green);  // the green one does not take over the drag
}

}  // namespace
}  // namespace dw::test
