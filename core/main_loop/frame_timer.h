#pragma once

#include <chrono>

namespace dw {

// Measures one main-loop pass.
class FrameTimer {
  public:
    void start() { start_ = std::chrono::steady_clock::now(); }
    double elapsedSeconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A pass lasts at least this long, so that a held brush dabs at most 333 times a second.
inline constexpr double kMainLoopPassSeconds = 0.003;

// Busy-waits: a sleep would overshoot the 3 ms by a scheduler tick.
inline void paceToPassLength(const FrameTimer& timer) {
    while (timer.elapsedSeconds() < kMainLoopPassSeconds) {
    }
}

}  // namespace dw
