#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dw {

// Measures the program as it runs, when DAUBWERK_TIMING names a file to write the figures to
// at exit: how long passes take while the canvas is pressed (their 50th and 95th percentile
// and the longest), how long after the splash closed the painting was first shown, and what
// the autosave's copies between strokes cost.
class PassTiming {
  public:
    static std::unique_ptr<PassTiming> fromEnvironment();
    explicit PassTiming(std::string path) : path_(std::move(path)) {}
    ~PassTiming();

    void splashClosed() { splashClosed_ = Clock::now(); }
    void paintingShown();
    void pass(std::chrono::steady_clock::duration length, bool painting);
    void autosavePoll(std::chrono::steady_clock::duration length);

  private:
    using Clock = std::chrono::steady_clock;
    std::string path_;
    Clock::time_point splashClosed_;
    double shownAfterSplash_ = -1;
    std::vector<double> paintingPasses_;
    std::vector<double> autosaveCopies_;
};

}  // namespace dw
