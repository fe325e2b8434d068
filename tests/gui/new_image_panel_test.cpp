#include <QLineEdit>
#include <QTest>
#include <functional>

#include "commands/command_ids.h"
#include "tests/gui/gui_fixture.h"
#include "widgets/panel_layout.h"

namespace dw::test {
namespace {

// Acts on the New Image panel once it is on the screen, as the user would.
class NewImagePanel : public GuiTest {
  protected:
    // Acts on every look at the panel until act says it is done: the panel takes what was
    // done between two looks.
    void whileShown(std::function<bool(QWidget&)> act) {
        GuiTest::whileShown<QWidget>(
            [act](QWidget& window) { return window.findChild<QLineEdit*>() && act(window); });
    }
    void whenShown(std::function<void(QWidget&)> act) {
        whileShown([act](QWidget& panel) {
            act(panel);
            return true;
        });
    }
    static void type(QWidget& panel, int box, const QString& text) {
        QLineEdit* edit = panel.findChildren<QLineEdit*>()[box];
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void click(QWidget& panel, QPoint where) {
        QTest::mouseMove(&panel, where);
        QTest::mousePress(&panel, Qt::LeftButton, {}, where);
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, where);
    }
};

constexpr QPoint kOk{layout::kOkButton.x + 10, layout::kOkButton.y + 10};
constexpr QPoint kCancel{layout::kCancelButton.x + 10, layout::kCancelButton.y + 10};

TEST_F(NewImagePanel, BoxesTakeDigitsOnlyAndARefusedSizeKeepsThePanelAndWhatWasTyped) {
    QString typed;
    whileShown([&](QWidget& panel) {
        if (typed.isEmpty()) {
            EXPECT_EQ(panel.windowTitle(), "New Image");
            EXPECT_TRUE(panel.windowFlags() & Qt::CustomizeWindowHint);
            EXPECT_FALSE(panel.windowFlags() & Qt::WindowMinMaxButtonsHint);
            type(panel, 0, "3x2-0");
            type(panel, 1, "6000");
            click(panel, kOk);
            typed = "-";
            return false;
        }
        if (boxes.shown().empty()) {
            return false;
        }
        const QList<QLineEdit*> edits = panel.findChildren<QLineEdit*>();
        typed = edits[0]->text() + "x" + edits[1]->text();
        type(panel, 1, "200");
        click(panel, kOk);
        return true;
    });
    command(command::kNew);
    EXPECT_EQ(typed, "320x6000");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "Warning");
    EXPECT_EQ(state.painting.width(), 320u);
    EXPECT_EQ(state.painting.height(), 200u);
    EXPECT_EQ(gui->canvas().size(), QSize(320, 200));
}

TEST_F(NewImagePanel, CancelAndTheCloseBoxChangeNothingAndImageSizeResamplesUndoably) {
    whenShown([](QWidget& panel) {
        type(panel, 0, "64");
        click(panel, kCancel);
    });
    command(command::kNew);
    whenShown([](QWidget& panel) { panel.close(); });
    command(command::kImageSize);
    EXPECT_EQ(state.painting.width(), 600u);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(state.history.undoEnabled());

    QString proposed;
    whenShown([&proposed](QWidget& panel) {
        const QList<QLineEdit*> boxes = panel.findChildren<QLineEdit*>();
        proposed = panel.windowTitle() + " " + boxes[0]->text() + "x" + boxes[1]->text();
        type(panel, 1, "300");
        click(panel, kOk);
    });
    command(command::kImageSize);
    EXPECT_EQ(proposed, "Image Size 600x600");
    EXPECT_EQ(state.painting.height(), 300u);
    EXPECT_EQ(gui->canvas().size(), QSize(600, 300));
    command(command::kUndo);
    EXPECT_EQ(state.painting.height(), 600u);
    EXPECT_EQ(gui->canvas().size(), QSize(600, 600));
}

}  // namespace
}  // namespace dw::test
