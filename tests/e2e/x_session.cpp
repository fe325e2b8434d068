#include "tests/e2e/x_session.h"

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iterator>
#include <sstream>
#include <thread>

#include "files/image_file.h"

extern char** environ;

namespace dw::test {

using namespace std::chrono_literals;

bool within(std::chrono::milliseconds timeout, const std::function<bool()>& done,
            std::chrono::milliseconds pause) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(pause);
    }
    return true;
}

Process::Process(const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& env) {
    // env(1) makes the changes and then becomes the program, under the same process id.
    std::vector<std::string> args = {"env"};
    for (const auto& [name, value] : env) {
        args.push_back(value.empty() ? "--unset=" + name : name + "=" + value);
    }
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : args) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, "env", nullptr, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
}

Process::~Process() {
    kill();
}

Process& Process::operator=(Process&& other) noexcept {
    kill();
    pid_ = std::exchange(other.pid_, -1);
    return *this;
}

bool Process::running() {
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        pid_ = -1;
    }
    return pid_ > 0;
}

int Process::wait(std::chrono::milliseconds timeout) {
    if (!within(
            timeout, [this] { return !running(); }, 20ms)) {
        kill();
        return -1;
    }
    return status_;
}

void Process::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

XSession::XSession() {
    // Servers started at the same moment by parallel runs can clash over one display: the
    // loser may still name it and then exit, leaving the display to the other run.
    for (int attempt = 0; attempt < 3 && display_.empty(); ++attempt) {
        start();
    }
}

void XSession::start() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return;
    }
    // The server picks a free display and writes its number, ended by a line feed, to the pipe.
    server_ = Process({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                       "1280x1024x24", "-nolisten", "tcp"},
                      {});
    close(pipeFds[1]);
    std::string number;
    char c = 0;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(pipeFds[0]);
    if (number.empty()) {
        return;
    }
    display_ = ":" + number;
    windowManager_ = Process({"openbox"}, {{"DISPLAY", display_}});
    if (!within(5s, [this] { return run("wmctrl -m >/dev/null 2>&1"); }) || !server_.running() ||
        !windowManager_.running()) {
        windowManager_.kill();
        server_.kill();
        display_.clear();
    }
}

XSession::~XSession() {
    windowManager_.kill();
    server_.kill();
}

bool XSession::run(const std::string& command, std::string* out) const {
    FILE* pipe = popen(("DISPLAY=" + display_ + " " + command).c_str(), "r");
    if (!pipe) {
        return false;
    }
    std::string text;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) {
        text.append(buffer, n);
    }
    if (out) {
        *out = text;
    }
    return pclose(pipe) == 0;
}

std::vector<unsigned long> XSession::windows(const std::string& title) const {
    std::string out;
    run("xdotool search --onlyvisible --name '^" + title + "$'", &out);
    std::istringstream ids(out);
    return {std::istream_iterator<unsigned long>(ids), {}};
}

unsigned long XSession::waitForWindow(const std::string& title,
                                      std::chrono::milliseconds timeout) const {
    std::vector<unsigned long> found;
    within(timeout, [&] { return !(found = windows(title)).empty(); });
    return found.empty() ? 0 : found.front();
}

bool XSession::waitWhileWindow(const std::string& title, std::chrono::milliseconds timeout) const {
    return within(timeout, [&] { return windows(title).empty(); });
}

bool XSession::closeWindow(const std::string& title) const {
    return within(5s, [&] { return run("wmctrl -c '" + title + "'"); });
}

bool XSession::windowOrigin(unsigned long window, int& x, int& y) const {
    std::string out;
    run("xwininfo -id " + std::to_string(window) +
            " | awk '/Absolute upper-left [XY]:/ {print $4}'",
        &out);
    return bool(std::istringstream(out) >> x >> y);
}

Surface XSession::screenshot(const std::string& path) const {
    Surface picture;
    if (run("import -window root " + path)) {
        LoadImageFile(picture, path, ImageMessages::Hidden);
    }
    return picture;
}

}  // namespace dw::test
