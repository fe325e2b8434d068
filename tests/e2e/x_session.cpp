#include "tests/e2e/x_session.h"

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <sstream>
#include <thread>

#include "files/image_file.h"

extern char** environ;

namespace dw::test {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> environmentWith(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::size_t equals = text.find('=');
        merged[text.substr(0, equals)] = equals == std::string::npos ? "" : text.substr(equals + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value.empty()) {
            merged.erase(name);
        } else {
            merged[name] = value;
        }
    }
    std::vector<std::string> result;
    for (const auto& [name, value] : merged) {
        result.push_back(name + "=" + value);
    }
    return result;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

}  // namespace

Process::Process(const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& env, int stdoutFd) {
    std::vector<std::string> args = arguments;
    std::vector<std::string> envTexts = environmentWith(env);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(envTexts);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    }
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

Process::~Process() {
    kill();
}

Process& Process::operator=(Process&& other) noexcept {
    kill();
    pid_ = other.pid_;
    other.pid_ = -1;
    return *this;
}

bool Process::running() {
    if (pid_ < 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        pid_ = -1;
        return false;
    }
    return true;
}

int Process::wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill();
            return -1;
        }
        std::this_thread::sleep_for(20ms);
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
    // The server picks a free display and writes its number to the pipe.
    server_ = Process({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                       "1280x1024x24", "-nolisten", "tcp"},
                      {});
    close(pipeFds[1]);
    // The number comes in pieces; a line feed ends it.
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
    bool managed = false;
    for (int i = 0; i < 100 && !managed; ++i) {
        managed = run("wmctrl -m >/dev/null 2>&1");
        if (!managed) {
            std::this_thread::sleep_for(50ms);
        }
    }
    if (!managed || !server_.running() || !windowManager_.running()) {
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
    const std::string line = "DISPLAY=" + display_ + " " + command;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe) {
        return false;
    }
    std::string text;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        text.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    if (out) {
        *out = text;
    }
    return status == 0;
}

unsigned long XSession::waitForWindow(const std::string& title,
                                      std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        std::string out;
        if (run("xdotool search --onlyvisible --name '^" + title + "$'", &out) && !out.empty()) {
            return std::stoul(out);
        }
        std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

bool XSession::waitWhileWindow(const std::string& title, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!run("xdotool search --onlyvisible --name '^" + title + "$' >/dev/null")) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

bool XSession::closeWindow(const std::string& title) const {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (run("wmctrl -c '" + title + "'")) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

bool XSession::windowOrigin(unsigned long window, int& x, int& y) const {
    std::string out;
    if (!run("xwininfo -id " + std::to_string(window), &out)) {
        return false;
    }
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("Absolute upper-left X:") != std::string::npos) {
            x = std::stoi(line.substr(line.find(':') + 1));
        } else if (line.find("Absolute upper-left Y:") != std::string::npos) {
            y = std::stoi(line.substr(line.find(':') + 1));
        }
    }
    return true;
}

Surface XSession::screenshot(const std::string& path) const {
    Surface picture;
    if (run("import -window root " + path)) {
        LoadImageFile(picture, path, ImageMessages::Hidden);
    }
    return picture;
}

}  // namespace dw::test
