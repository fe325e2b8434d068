#include "platform/fenced_process.h"

#include "platform/address_space_limit.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <string_view>
#include <thread>

extern char** environ;
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace dw::platform {
namespace {

// System calls only: the child may hold none of the parent's locks, and after vfork it shares
// the parent's memory.
void enterFence(const FenceLimits& limits, int input, int output) {
    const rlim_t cpu = rlim_t(limits.cpuSeconds);
    const rlimit cpuLimit{cpu, cpu + 1};  // SIGXCPU, then SIGKILL a second later
    const rlimit noCore{0, 0};
    const rlimit space{rlim_t(limits.addressSpaceBytes), rlim_t(limits.addressSpaceBytes)};
    if (setrlimit(RLIMIT_CPU, &cpuLimit) != 0 || setrlimit(RLIMIT_CORE, &noCore) != 0 ||
        (kAddressSpaceLimitable && setrlimit(RLIMIT_AS, &space) != 0)) {
        _exit(126);
    }
    if ((input != STDIN_FILENO && dup2(input, STDIN_FILENO) < 0) ||
        dup2(output, STDOUT_FILENO) < 0) {
        _exit(126);
    }
    // Nothing else the parent holds open reaches the child.
    close_range(STDERR_FILENO + 1, UINT_MAX, 0);
}

// A copy inherits the parent's handlers of fatal signals and sanitizer reports (a fuzzer's,
// which would keep the input as a finding); the copy's failures are the fence's to report.
void leaveParentsCrashHandling() {
    for (const int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGFPE, SIGXCPU}) {
        std::signal(signal, SIG_DFL);
    }
    if (__sanitizer_set_death_callback) {
        __sanitizer_set_death_callback(nullptr);
    }
}

std::vector<std::string> childEnvironment(const FenceLimits& limits) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        if (kAddressSpaceLimitable || std::string_view(*entry).substr(0, 13) != "ASAN_OPTIONS=") {
            environment.emplace_back(*entry);
        }
    }
    // A sanitized child is held to the same size of resident memory instead.
    if (!kAddressSpaceLimitable) {
        environment.push_back(
            "ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1:"
            "hard_rss_limit_mb=" +
            std::to_string(limits.addressSpaceBytes >> 20));
    }
    return environment;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

FencedProcess::~FencedProcess() {
    stop();
}

bool FencedProcess::openChannel(int pipe[2], const FenceLimits& limits) {
    if (pipe2(pipe, O_CLOEXEC) != 0) {
        return false;
    }
    deadline_ = std::chrono::steady_clock::now() + limits.wallClock;
    return true;
}

bool FencedProcess::adoptChild(int pipe[2]) {
    close(pipe[1]);
    output_ = pipe[0];
    if (child_ < 0) {
        stop();
        return false;
    }
    return true;
}

bool FencedProcess::start(const std::string& program, const std::vector<std::string>& arguments,
                          int input, const FenceLimits& limits) {
    stop();
    // Everything the child needs is built before the fork: it may not allocate.
    std::vector<std::string> argumentTexts = {program};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environmentTexts = childEnvironment(limits);
    const std::vector<char*> argv = pointersTo(argumentTexts);
    const std::vector<char*> envp = pointersTo(environmentTexts);
    int pipe[2];
    if (!openChannel(pipe, limits)) {
        return false;
    }
    // vfork: the parent may hold a painting of gigabytes, whose page tables a fork would copy
    // only for the child to drop them at once. The child shares the parent's memory until
    // execve and so only makes system calls.
    child_ = vfork();
    if (child_ == 0) {
        enterFence(limits, input, pipe[1]);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return adoptChild(pipe);
}

bool FencedProcess::startCopy(const std::function<int(int input, int output)>& work, int input,
                              const FenceLimits& limits) {
    stop();
    int pipe[2];
    if (!openChannel(pipe, limits)) {
        return false;
    }
    child_ = fork();
    if (child_ == 0) {
        enterFence(limits, input, pipe[1]);
        leaveParentsCrashHandling();
        _exit(work(STDIN_FILENO, STDOUT_FILENO));
    }
    return adoptChild(pipe);
}

bool FencedProcess::waitReadable() {
    constexpr std::chrono::milliseconds kServeEvery{40};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd wanted{output_, POLLIN, 0};
        const int ready = poll(&wanted, 1, int(std::min(left, kServeEvery).count()));
        if (ready > 0) {
            return true;
        }
        if ((ready < 0 && errno != EINTR) || (ready == 0 && stillWanted_ && !stillWanted_())) {
            return false;
        }
    }
}

bool FencedProcess::read(void* into, std::size_t size) {
    auto* at = static_cast<uint8_t*>(into);
    while (size > 0) {
        if (output_ < 0 || !waitReadable()) {
            stop();
            return false;
        }
        const ssize_t got = ::read(output_, at, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            stop();
            return false;
        }
        at += got;
        size -= std::size_t(got);
    }
    return true;
}

bool FencedProcess::finishCleanly() {
    uint8_t extra = 0;
    ssize_t got = -1;
    while (output_ >= 0 && waitReadable()) {
        got = ::read(output_, &extra, 1);
        if (got >= 0 || errno != EINTR) {
            break;
        }
    }
    if (got != 0) {  // more than was promised, or no end in time
        stop();
        return false;
    }
    close(output_);
    output_ = -1;
    // The output has ended: the child is on its way out and gets until the deadline to go.
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(child_, &status, WNOHANG);
        if (ended == child_) {
            child_ = -1;
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (ended < 0 && errno != EINTR) {
            child_ = -1;
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline_) {
            stop();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void FencedProcess::stop() {
    if (output_ >= 0) {
        close(output_);
        output_ = -1;
    }
    if (child_ > 0) {
        kill(child_, SIGKILL);
        while (waitpid(child_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    child_ = -1;
}

}  // namespace dw::platform
