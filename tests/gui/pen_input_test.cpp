#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPointingDevice>
#include <QTabletEvent>

#include "commands/command_ids.h"
#include "gui/user_settings.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

// A pen on a tablet, its events sent to the real canvas window.
class PenInput : public GuiTest {
  protected:
    void tablet(QEvent::Type type, QPoint at, qreal pressure) { tablet(type, at, pressure, pen); }
    void tablet(QEvent::Type type, QPoint at, qreal pressure, const QPointingDevice& device) {
        const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::TabletRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QWidget& canvas = gui->canvas();
        QTabletEvent event(type, &device, at, canvas.mapToGlobal(at), pressure, 0, 0, 0, 0, 0,
                           Qt::NoModifier, button, held);
        QCoreApplication::sendEvent(&canvas, &event);
        passes(2);
    }
    void mouse(MessageKind kind, QPoint at) {
        post(kind, WindowId::Canvas, at.x(), at.y());
        passes(2);
    }
    void freshPainting() {
        setUpFirstPainting(state);
        state.random = RandomGenerator(4);
        state.brush = {40, 90, 200, 4, 10.0f, ToolId::PaintBrush, 16, 0.8f, 20, 3, 60, 0};
        passes();
    }
    static std::string settingsText() {
        QFile conf(userSettingsPath());
        return conf.open(QIODevice::ReadOnly) ? conf.readAll().toStdString() : std::string();
    }

    static constexpr auto kStylus = QInputDevice::DeviceType::Stylus;
    static constexpr QInputDevice::Capabilities kSenses =
        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure;
    const QPointingDevice pen{"pen", 1, kStylus, QPointingDevice::PointerType::Pen, kSenses, 1, 3};
    const QPointingDevice eraser{"eraser", 1, kStylus, QPointingDevice::PointerType::Eraser,
                                 kSenses,  1, 3};
};

// Each mode chosen in the Edit menu is marked and kept in the settings file for the next run;
// a real pen stroke paints what the mouse paints with the brush a pressure of 0.5 gives.
TEST_F(PenInput, ThePressureModesOfTheMenuAreKeptAndARealPenStrokeIsScaled) {
    const char* modes[] = {"off", "size", "amount", "both"};
    for (int mode = 0; mode < 4; ++mode) {
        gui->frame().action(command::kPressureFirst + mode)->trigger();
        passes();
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(gui->frame().isChecked(command::kPressureFirst + other), other == mode);
        }
        EXPECT_NE(settingsText().find(std::string("pressure=") + modes[mode]), std::string::npos);
    }
    freshPainting();
    tablet(QEvent::TabletMove, {60, 60}, 0.0);
    tablet(QEvent::TabletPress, {60, 60}, 0.5);
    tablet(QEvent::TabletMove, {95, 72}, 0.5);
    tablet(QEvent::TabletRelease, {95, 72}, 0.0);
    const std::vector<uint8_t> byPen = cells();
    freshPainting();
    state.brush.size = 8;
    state.brush.amount = 0.4f;
    mouse(MessageKind::PointerMove, {60, 60});
    mouse(MessageKind::LeftButtonDown, {60, 60});
    mouse(MessageKind::PointerMove, {95, 72});
    mouse(MessageKind::LeftButtonUp, {95, 72});
    EXPECT_TRUE(byPen == cells());

    EXPECT_FALSE(state.continuousStrokes);
    gui->frame().action(command::kContinuousStrokes)->trigger();
    passes();
    EXPECT_TRUE(state.continuousStrokes && gui->frame().isChecked(command::kContinuousStrokes));
    AppState next;
    loadUserSettings(next);
    EXPECT_EQ(next.pressureMode, PressureMode::SizeAndAmount);
    EXPECT_TRUE(next.continuousStrokes);
}

TEST_F(PenInput, TheEraserEndLendsTheEraserUntilThePenEndReturns) {
    state.brush.tool = ToolId::Knife;
    gui->selectTool(state);
    QTabletEvent near(QEvent::TabletEnterProximity, &eraser, {}, {}, 0, 0, 0, 0, 0, 0,
                      Qt::NoModifier, Qt::NoButton, Qt::NoButton);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &near);
    passes(2);
    EXPECT_EQ(state.brush.tool, ToolId::Eraser);
    EXPECT_EQ(gui->panel(WindowId::Properties)->windowTitle(), " Brush Properties: Eraser");
    tablet(QEvent::TabletMove, {30, 30}, 0.0, eraser);
    EXPECT_EQ(state.brush.tool, ToolId::Eraser);
    tablet(QEvent::TabletMove, {30, 30}, 0.0, pen);
    EXPECT_EQ(state.brush.tool, ToolId::Knife);
    EXPECT_EQ(gui->panel(WindowId::Properties)->windowTitle(), " Brush Properties: Knife");
}

}  // namespace
}  // namespace dw::test
