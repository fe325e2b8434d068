#pragma once

#include "platform/progress.h"

class QWidget;

namespace dw::platform {

// A modal progress dialog with a Cancel button over the frame, shown only when the work
// lasts long enough to be worth watching.
class QtProgress : public ProgressBackend {
  public:
    std::unique_ptr<Progress> start(const std::string& title) override;
    void setFrame(QWidget* frame) { frame_ = frame; }

  private:
    QWidget* frame_ = nullptr;
};

}  // namespace dw::platform
