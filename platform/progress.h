#pragma once

#include <memory>
#include <string>

namespace dw::platform {

// Long work tells how far it has come, and learns whether the user wants it stopped.
class Progress {
  public:
    virtual ~Progress() = default;
    // fraction from 0 to 1; false once the user has asked to stop.
    virtual bool proceed(double fraction) = 0;
};

// Starts showing the progress of the work named by title; it ends when the object goes.
class ProgressBackend {
  public:
    virtual ~ProgressBackend() = default;
    virtual std::unique_ptr<Progress> start(const std::string& title) = 0;
};

// The headless default never stops anything: the batch tool runs every step to its end.
void installProgress(ProgressBackend* backend);
std::unique_ptr<Progress> startProgress(const std::string& title);

}  // namespace dw::platform
