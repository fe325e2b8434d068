#pragma once

#include <cstdint>

namespace dw {

// The classic C library generator, so that a seed replays the same strokes, sprays and
// Paintify dabs on every machine. Results are 0..32767.
class RandomGenerator {
  public:
    static constexpr int kMax = 32767;

    explicit RandomGenerator(uint32_t seed = 1) : next_(seed) {}

    void seed(uint32_t seed) { next_ = seed; }

    int next() {
        next_ = next_ * 1103515245u + 12345u;
        return static_cast<int>((next_ / 65536u) % 32768u);
    }

  private:
    uint32_t next_;
};

}  // namespace dw
