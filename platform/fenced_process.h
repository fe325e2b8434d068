#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dw::platform {

// What a fenced child may spend. The CPU and address-space limits are the kernel's, set in the
// child before it runs a single instruction of its own; the wall-clock deadline is kept by the
// parent, for a child that waits instead of working.
struct FenceLimits {
    int cpuSeconds = 5;
    uint64_t addressSpaceBytes = uint64_t(2) << 30;
    std::chrono::milliseconds wallClock{8000};
};

// One child process reading from a given descriptor and writing to a pipe that the parent
// reads with a deadline. Whatever goes wrong (the child is killed by a limit, crashes, stops
// writing, writes too little or too much, ends with a failure status) surfaces as false; the
// object never blocks past the deadline, and its destructor kills and reaps the child.
class FencedProcess {
  public:
    FencedProcess() = default;
    ~FencedProcess();
    FencedProcess(const FencedProcess&) = delete;
    FencedProcess& operator=(const FencedProcess&) = delete;

    // Runs program with the arguments (argv[1]...), input as its standard input (not closed
    // here), its standard output the pipe; no core dump.
    bool start(const std::string& program, const std::vector<std::string>& arguments, int input,
               const FenceLimits& limits);
    // For fuzzing, where an exec per input costs too much: a forked copy of this process runs
    // work(input, output) under the same limits and exits with its result (0 for success).
    bool startCopy(const std::function<int(int input, int output)>& work, int input,
                   const FenceLimits& limits);

    // Called about every 40 ms while the child keeps the parent waiting, so that the program can
    // serve its window; a false answer (the user gave up) ends the child like a missed deadline.
    void whileWaiting(std::function<bool()> stillWanted) { stillWanted_ = std::move(stillWanted); }

    // Exactly size bytes of the child's output, or false.
    bool read(void* into, std::size_t size);
    // True when the output ends here and the child exits with status 0, both in time.
    bool finishCleanly();

  private:
    // The pipe the child writes to, and the wall-clock deadline from now.
    bool openChannel(int pipe[2], const FenceLimits& limits);
    // The parent's side once the child is started (or failed to be).
    bool adoptChild(int pipe[2]);
    bool waitReadable();
    void stop();

    pid_t child_ = -1;
    int output_ = -1;
    std::chrono::steady_clock::time_point deadline_;
    std::function<bool()> stillWanted_;
};

}  // namespace dw::platform
