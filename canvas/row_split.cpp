#include "canvas/row_split.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace dw {
namespace {

// One helper thread for the whole program, started at first use. Starting a thread per call
// would cost more than half of a small rectangle's shading.
class RowHelper {
  public:
    RowHelper() : thread_([this] { serve(); }) {}
    ~RowHelper() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    void start(const std::function<void(uint32_t, uint32_t)>* work, uint32_t y0, uint32_t y1) {
        {
            std::lock_guard lock(mutex_);
            work_ = work;
            y0_ = y0;
            y1_ = y1;
            done_ = false;
        }
        wake_.notify_one();
    }

    void wait() {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return done_; });
    }

  private:
    void serve() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || work_ != nullptr; });
            if (quit_) {
                return;
            }
            const auto* work = work_;
            const uint32_t y0 = y0_;
            const uint32_t y1 = y1_;
            lock.unlock();
            (*work)(y0, y1);
            lock.lock();
            work_ = nullptr;
            done_ = true;
            finished_.notify_one();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void(uint32_t, uint32_t)>* work_ = nullptr;
    uint32_t y0_ = 0;
    uint32_t y1_ = 0;
    bool done_ = true;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace

void splitRows(uint32_t begin, uint32_t end, const std::function<void(uint32_t, uint32_t)>& work) {
    static const bool parallel = std::thread::hardware_concurrency() > 1;
    if (!parallel || end - begin < 2) {
        work(begin, end);
        return;
    }
    static RowHelper helper;
    // Only one caller at a time may hand work over; the painting is shaded from one thread,
    // but keep the helper safe whatever calls it.
    static std::mutex single;
    std::lock_guard guard(single);
    const uint32_t middle = begin + (end - begin) / 2;
    helper.start(&work, middle, end);
    work(begin, middle);
    helper.wait();
}

}  // namespace dw
