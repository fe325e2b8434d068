#include "gui/new_image_panel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QWidget>

#include "commands/edit_box_number.h"
#include "core/painting_commands.h"
#include "files/image_store.h"
#include "gui/message_widget.h"
#include "gui/program_pictures.h"
#include "gui/surface_image.h"
#include "platform/qt/dialog_window.h"
#include "widgets/button_set.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr int kWidth = layout::kNewImageWidth;
constexpr int kHeight = layout::kNewImageHeight;
constexpr uint32_t kWidthBoxId = 5500;
constexpr uint32_t kHeightBoxId = 5501;
constexpr uint32_t kReturnKey = 1;  // Return in a box: the same as OK
constexpr int kOkButton = 0;
constexpr int kCancelButton = 1;

class NewImageWindow : public MessageWidget {
  public:
    NewImageWindow(std::string_view title, const Surface& background, const ButtonSet& buttons,
                   MessageQueue& queue)
        : MessageWidget(nullptr, platform::kDialogWindowFlags, queue, WindowId::NewImage),
          background_(background),
          buttons_(buttons),
          width_(makeBox(layout::kWidthBox, kWidthBoxId)),
          height_(makeBox(layout::kHeightBox, kHeightBoxId)) {
        setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
        setWindowModality(Qt::ApplicationModal);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(kWidth, kHeight);
        events().trackLeave();
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        move(desktop.x() + (desktop.width() - kWidth) / 2,
             desktop.y() + (desktop.height() - kHeight) / 2 - 50);
    }

    QLineEdit& widthBox() { return *width_; }
    QLineEdit& heightBox() { return *height_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        Surface picture;
        picture.create(kWidth, kHeight);
        picture.fillWhite();
        background_.drawInto(0, 0, picture);
        DrawButtonsToImage(buttons_, picture);
        QPainter painter(this);
        drawSurface(painter, picture, {0, 0, kWidth, kHeight});
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        post(MessageKind::Close, 0);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            post(MessageKind::Close, 0);
        }
    }
    void keyReleaseEvent(QKeyEvent*) override {}

  private:
    QLineEdit* makeBox(layout::Spot at, uint32_t id) {
        auto* box = new QLineEdit(this);
        box->setGeometry(at.x, at.y, layout::kEditWidth, layout::kEditHeight);
        box->setFrame(false);
        box->setTextMargins(1, 0, 1, 0);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
        QFont font = box->font();
        font.setPixelSize(12);
        box->setFont(font);
        QObject::connect(box, &QLineEdit::textChanged, this,
                         [this, id] { post(MessageKind::Command, id); });
        QObject::connect(box, &QLineEdit::returnPressed, this,
                         [this] { post(MessageKind::Command, kReturnKey); });
        return box;
    }
    void post(MessageKind kind, uint32_t code) {
        LoopMessage message = messageTo(WindowId::NewImage, kind);
        message.code = code;
        events().queue().post(message);
    }

    const Surface& background_;
    const ButtonSet& buttons_;
    QLineEdit* width_;
    QLineEdit* height_;
};

// The panel's state while it runs.
struct NewImageRun {
    NewImageWindow& window;
    ButtonSet& buttons;
    NewImageSize size;
    bool done = false;
    int mouseX = 0;
    int mouseY = 0;
    bool buttonDown = false;

    void handle(const LoopMessage& message) {
        switch (message.kind) {
            case MessageKind::Close:
                done = true;
                size.width = -1;
                break;
            case MessageKind::Command:
                if (message.code == kReturnKey) {
                    confirm();
                    break;
                }
                if (message.code == kWidthBoxId) {
                    size.width = editBoxNumber(window.widthBox().text().toStdString());
                }
                size.height = editBoxNumber(window.heightBox().text().toStdString());
                break;
            // A press carries its position too: a pen or a touch may press without moving first.
            case MessageKind::PointerMove:
            case MessageKind::LeftButtonDown:
            case MessageKind::LeftButtonUp:
                mouseX = message.x;
                mouseY = message.y;
                buttonDown = message.kind == MessageKind::LeftButtonDown ||
                             (buttonDown && message.kind == MessageKind::PointerMove);
                break;
            default:
                break;
        }
    }

    // A size the painting may not have is refused here, so that what was typed stays.
    void confirm() { done = sizeAcceptable(size.width, size.height); }

    void updateButtons() {
        const int reported = UpdateButtons(buttons, mouseX, mouseY, pressOf(buttonDown));
        window.repaint();
        if (reported == kOkButton) {
            confirm();
        } else if (reported == kCancelButton) {
            done = true;
            size.width = -1;
        }
    }
};

}  // namespace

NewImageSize ShowNewImagePanel(std::string_view title, int width, int height,
                               const ProgramPictures& pictures, MessageQueue& queue,
                               QWidget& frame) {
    Surface background;
    LoadPackedGreyImage(background, "filenew", "WorkData/");
    ButtonSet buttons;
    SetUpButton(buttons, kOkButton, layout::kOkButton.x, layout::kOkButton.y,
                {pictures.okay0, pictures.okay0, pictures.okay1}, 0, ButtonKind::Push);
    SetUpButton(buttons, kCancelButton, layout::kCancelButton.x, layout::kCancelButton.y,
                {pictures.cancel0, pictures.cancel0, pictures.cancel1}, 0, ButtonKind::Push);
    NewImageWindow window(title, background, buttons, queue);
    window.heightBox().setText(QString::number(height));
    window.widthBox().setText(QString::number(width));
    NewImageRun run{window, buttons, {width, height}};
    window.show();
    window.widthBox().setFocus();
    window.widthBox().selectAll();
    LoopMessage message;
    while (!run.done) {
        if (!queue.takeFor(WindowId::NewImage, message)) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            continue;
        }
        run.handle(message);
        run.updateButtons();
    }
    window.hide();
    frame.raise();
    frame.activateWindow();
    return run.size;
}

}  // namespace dw
