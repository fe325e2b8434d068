#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canvas/surface.h"

namespace dw::test {

// Asks until done() says yes, pausing between the questions; false when the time ran out.
bool within(std::chrono::milliseconds timeout, const std::function<bool()>& done,
            std::chrono::milliseconds pause = std::chrono::milliseconds(50));

// A child process with its own environment: a variable given an empty value is removed.
class Process {
  public:
    Process() = default;
    Process(const std::vector<std::string>& arguments,
            const std::map<std::string, std::string>& env);
    ~Process();
    Process(Process&& other) noexcept : pid_(std::exchange(other.pid_, -1)) {}
    Process& operator=(Process&& other) noexcept;

    bool running();
    pid_t pid() const { return pid_; }
    // The exit status, or -1 when it did not end in time (it is then killed).
    int wait(std::chrono::milliseconds timeout);
    void kill();

  private:
    pid_t pid_ = -1;
    int status_ = -1;
};

// A virtual X display of its own with a small window manager on it, driven as a person would
// drive the program: xdotool moves the mouse and types, wmctrl closes windows like a title
// bar's close box, ImageMagick takes screenshots.
class XSession {
  public:
    XSession();
    ~XSession();

    bool ready() const { return !display_.empty(); }
    const std::string& display() const { return display_; }
    // Runs a command on the display; true when it exits with 0. Its output is returned in out.
    bool run(const std::string& command, std::string* out = nullptr) const;
    // The shown windows with exactly this title (a regular expression).
    std::vector<unsigned long> windows(const std::string& title) const;
    // Waits until a window with exactly this title is shown; its id, or 0.
    unsigned long waitForWindow(const std::string& title, std::chrono::milliseconds timeout) const;
    bool waitWhileWindow(const std::string& title, std::chrono::milliseconds timeout) const;
    // Closes the window as its title bar's close box would, once the window manager has
    // taken it on (it may show a window a moment before it manages it).
    bool closeWindow(const std::string& title) const;
    // Where the window's client area starts on the screen.
    bool windowOrigin(unsigned long window, int& x, int& y) const;
    Surface screenshot(const std::string& path) const;

  private:
    // One server with its window manager; display_ stays empty when they did not come up.
    void start();

    std::string display_;
    Process server_;
    Process windowManager_;
};

}  // namespace dw::test
