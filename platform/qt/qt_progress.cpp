#include "platform/qt/qt_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <chrono>

namespace dw::platform {
namespace {

constexpr int kSteps = 1000;
// Serving the dialog costs time of its own; a few times a second is enough for the eye.
constexpr auto kRefresh = std::chrono::milliseconds(40);

class DialogProgress : public Progress {
  public:
    DialogProgress(const std::string& title, QWidget* frame)
        : dialog_(QString::fromStdString(title), QStringLiteral("Cancel"), 0, kSteps, frame) {
        dialog_.setWindowTitle(QStringLiteral("Daubwerk"));
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(400);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool proceed(double fraction) override {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastRefresh_ >= kRefresh) {
            lastRefresh_ = now;
            dialog_.setValue(int(fraction * kSteps));
            QCoreApplication::processEvents();
        }
        return !dialog_.wasCanceled();
    }

  private:
    QProgressDialog dialog_;
    std::chrono::steady_clock::time_point lastRefresh_ = std::chrono::steady_clock::now();
};

}  // namespace

std::unique_ptr<Progress> QtProgress::start(const std::string& title) {
    return std::make_unique<DialogProgress>(title, frame_);
}

}  // namespace dw::platform
