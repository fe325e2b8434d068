#include "gui/pass_timing.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace dw {

std::unique_ptr<PassTiming> PassTiming::fromEnvironment() {
    const char* path = std::getenv("DAUBWERK_TIMING");
    return path && *path ? std::make_unique<PassTiming>(path) : nullptr;
}

void PassTiming::paintingShown() {
    if (shownAfterSplash_ < 0) {
        shownAfterSplash_ =
            std::chrono::duration<double, std::milli>(Clock::now() - splashClosed_).count();
    }
}

void PassTiming::pass(Clock::duration length, bool painting) {
    if (painting) {
        paintingPasses_.push_back(std::chrono::duration<double, std::milli>(length).count());
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

PassTiming::~PassTiming() {
    std::ofstream out(path_);
    out << "painting shown after the splash: " << shownAfterSplash_ << " ms\n";
    std::vector<double>& copies = autosaveCopies_;
    if (!copies.empty()) {
        std::sort(copies.begin(), copies.end());
        out << "autosave copies between strokes: " << copies.size() << ", p50 "
            << copies[copies.size() / 2] << " ms, longest " << copies.back() << " ms\n";
    }
    std::vector<double>& passes = paintingPasses_;
    if (passes.empty()) {
        return;
    }
    std::sort(passes.begin(), passes.end());
    out << "passes while painting: " << passes.size() << "\n"
        << "p50 " << passes[passes.size() / 2] << " ms, p95 " << passes[passes.size() * 95 / 100]
        << " ms, longest " << passes.back() << " ms\n";
}

}  // namespace dw
