#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace dw {

// Measures the program as it runs, when DAUBWERK_TIMING names a file to write the figures to
// at exit: how long passes take while the canvas is pressed (their 50th and 95th percentile
// and the longest), how long after the splash closed the painting was first shown, and what
// the autosave's copies between strokes cost. With DAUBWERK_TIMING_EVERY (seconds) it also
// appends a line per period with that period's passes, so a long run can be watched.
class PassTiming {
  public:
    using Clock = std::chrono::steady_clock;

    static std::unique_ptr<PassTiming> fromEnvironment();
    explicit PassTiming(std::string path, Clock::duration period = {},
                        Clock::time_point start = Clock::now())
        : path_(std::move(path)), period_(period), periodEnds_(start + period) {}
    ~PassTiming();

    void splashClosed() { splashClosed_ = Clock::now(); }
    void paintingShown();
    void pass(Clock::duration length, bool painting);
    void autosavePoll(Clock::duration length);
    // From the main loop between passes: writes the line of each period that has ended.
    void periodCheck(Clock::time_point now = Clock::now());

  private:
    std::string path_;
    Clock::duration period_;
    Clock::time_point periodEnds_;
    int periodsWritten_ = 0;
    Clock::time_point splashClosed_;
    double shownAfterSplash_ = -1;
    std::vector<double> paintingPasses_;
    std::vector<double> periodPasses_;
    std::vector<double> autosaveCopies_;
};

}  // namespace dw
