#include "gui/pass_timing.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/environment_seconds.h"

namespace dw {
namespace {

// Periods from a second to a day; anything else is taken for a mistake and ignored.
PassTiming::Clock::duration periodFromEnvironment() {
    return platform::secondsFromEnvironment("DAUBWERK_TIMING_EVERY", std::chrono::hours(24))
        .value_or(std::chrono::seconds::zero());
}

// Sorts the figures in place.
void writePercentiles(std::ostream& out, std::vector<double>& passes) {
    std::sort(passes.begin(), passes.end());
    out << "p50 " << passes[passes.size() / 2] << " ms, p95 " << passes[passes.size() * 95 / 100]
        << " ms, longest " << passes.back() << " ms";
}

}  // namespace

std::unique_ptr<PassTiming> PassTiming::fromEnvironment() {
    const char* path = std::getenv("DAUBWERK_TIMING");
    return path && *path ? std::make_unique<PassTiming>(path, periodFromEnvironment()) : nullptr;
}

void PassTiming::paintingShown() {
    if (shownAfterSplash_ < 0) {
        shownAfterSplash_ =
            std::chrono::duration<double, std::milli>(Clock::now() - splashClosed_).count();
    }
}

void PassTiming::pass(Clock::duration length, bool painting) {
    if (painting) {
        const double milliseconds = std::chrono::duration<double, std::milli>(length).count();
        paintingPasses_.push_back(milliseconds);
        if (period_ > Clock::duration::zero()) {
            periodPasses_.push_back(milliseconds);
        }
    }
}

// A poll that takes a millisecond handed the writer a copy (or compared one); the others only
// looked at the clock.
void PassTiming::autosavePoll(Clock::duration length) {
    const double milliseconds = std::chrono::duration<double, std::milli>(length).count();
    if (milliseconds >= 1.0) {
        autosaveCopies_.push_back(milliseconds);
    }
}

// A loop that slept through whole periods writes one line for them all, numbered by the last.
void PassTiming::periodCheck(Clock::time_point now) {
    if (period_ <= Clock::duration::zero() || now < periodEnds_) {
        return;
    }
    const auto periods = (now - periodEnds_) / period_ + 1;
    periodEnds_ += periods * period_;
    periodsWritten_ += int(periods);
    std::ofstream out(path_, periodsWritten_ == periods ? std::ios::trunc : std::ios::app);
    out << "period " << periodsWritten_ << ": passes while painting " << periodPasses_.size();
    if (!periodPasses_.empty()) {
        out << ", ";
        writePercentiles(out, periodPasses_);
    }
    out << "\n";
    periodPasses_.clear();
}

PassTiming::~PassTiming() {
    std::ofstream out(path_, periodsWritten_ > 0 ? std::ios::app : std::ios::trunc);
    out << "painting shown after the splash: " << shownAfterSplash_ << " ms\n";
    std::vector<double>& copies = autosaveCopies_;
    if (!copies.empty()) {
        std::sort(copies.begin(), copies.end());
        out << "autosave copies between strokes: " << copies.size() << ", p50 "
            << copies[copies.size() / 2] << " ms, longest " << copies.back() << " ms\n";
    }
    if (paintingPasses_.empty()) {
        return;
    }
    out << "passes while painting: " << paintingPasses_.size() << "\n";
    writePercentiles(out, paintingPasses_);
    out << "\n";
}

}  // namespace dw
