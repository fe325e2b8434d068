#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dw {

struct AppState;

// Recorded pointer input for the painting's canvas window, one event a line:
//   zoom Z      the zoom factor (0.25, 0.5, 1, 2, 3 or 4); the canvas window goes back to
//               its place as after any zoom change
//   move X Y [P]  pointer move to window position (X, Y), 0..65535; with P (0..1) a pen's
//               move at that pressure
//   down, up    left button down, up
//   pen down, pen up  the pen pressed on and lifted from the tablet; moves until the lift
//               are the pen's, at pressure 1 unless they give one
//   leave       the pointer leaves the window
//   pass [N]    N passes (default 1) in which no new message arrives
// '#' starts a comment; blank lines are skipped. Each move, down, up and leave is one new
// message, taken by one pass of the main loop.
struct PlayEvent {
    enum class Kind { Zoom, Move, Down, Up, Leave, Pass };
    Kind kind = Kind::Pass;
    int line = 0;
    bool pen = false;  // pen down, pen up, a move with a pressure
    float pressure = 1.0f;
    float zoom = 1.0f;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t passes = 1;
};

inline constexpr uint32_t kMaxPlayPasses = 1000000;

// Reads a whole script. On a bad line returns false with a message that names the line.
bool ParsePlayScript(std::string_view text, std::vector<PlayEvent>& events, std::string& error);

// Runs the events through the main loop exactly as the GUI would, without pacing.
void RunPlayScript(AppState& state, const std::vector<PlayEvent>& events);

}  // namespace dw
