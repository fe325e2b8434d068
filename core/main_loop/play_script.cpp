#include "core/main_loop/play_script.h"

#include <charconv>

#include "core/app_state.h"
#include "core/main_loop/loop_windows.h"
#include "core/main_loop/main_loop_pass.h"
#include "core/painting_commands.h"

namespace dw {
namespace {

constexpr float kZoomSteps[] = {0.25f, 0.5f, 1.0f, 2.0f, 3.0f, 4.0f};
constexpr int64_t kMaxCoordinate = 65535;  // client coordinates travel as 16-bit words

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            result.push_back(line.substr(start, i - start));
        }
    }
    return result;
}

bool wholeNumber(std::string_view text, int64_t low, int64_t high, int64_t& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool number(std::string_view text, float& value) {
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtof(copy.c_str(), &end);
    return !copy.empty() && end == copy.c_str() + copy.size();
}

bool zoomStep(std::string_view text, float& zoom) {
    float value = 0.0f;
    if (!number(text, value)) {
        return false;
    }
    for (float step : kZoomSteps) {
        if (value == step) {
            zoom = step;
            return true;
        }
    }
    return false;
}

// Fills event from the words of one line; returns what is wrong, or an empty string.
std::string parseLine(const std::vector<std::string_view>& w, PlayEvent& event) {
    const std::string_view command = w[0];
    const std::size_t arguments = w.size() - 1;
    if (command == "zoom") {
        if (arguments != 1 || !zoomStep(w[1], event.zoom)) {
            return "zoom takes one of 0.25, 0.5, 1, 2, 3, 4";
        }
        event.kind = PlayEvent::Kind::Zoom;
    } else if (command == "move") {
        int64_t x = 0;
        int64_t y = 0;
        if (arguments < 2 || arguments > 3 || !wholeNumber(w[1], 0, kMaxCoordinate, x) ||
            !wholeNumber(w[2], 0, kMaxCoordinate, y)) {
            return "move takes X and Y, whole numbers in 0..65535, and an optional pressure";
        }
        if (arguments == 3) {
            if (!number(w[3], event.pressure) || !(event.pressure >= 0.0f) ||
                event.pressure > 1.0f) {
                return "a move's pressure is a number in 0..1";
            }
            event.pen = true;
        }
        event.kind = PlayEvent::Kind::Move;
        event.x = int32_t(x);
        event.y = int32_t(y);
    } else if (command == "pass") {
        int64_t passes = 1;
        if (arguments > 1 || (arguments == 1 && !wholeNumber(w[1], 0, kMaxPlayPasses, passes))) {
            return "pass takes an optional count, a whole number in 0.." +
                   std::to_string(kMaxPlayPasses);
        }
        event.kind = PlayEvent::Kind::Pass;
        event.passes = uint32_t(passes);
    } else if (command == "pen") {
        if (arguments != 1 || (w[1] != "down" && w[1] != "up")) {
            return "pen takes down or up";
        }
        event.kind = w[1] == "down" ? PlayEvent::Kind::Down : PlayEvent::Kind::Up;
        event.pen = true;
    } else if (command == "down" || command == "up" || command == "leave") {
        if (arguments != 0) {
            return std::string(command) + " takes nothing after it";
        }
        event.kind = command == "down" ? PlayEvent::Kind::Down
                     : command == "up" ? PlayEvent::Kind::Up
                                       : PlayEvent::Kind::Leave;
    } else {
        return "unknown event \"" + std::string(command) +
               "\" (zoom, move, down, up, pen, leave or pass)";
    }
    return {};
}

}  // namespace

bool ParsePlayScript(std::string_view text, std::vector<PlayEvent>& events, std::string& error) {
    std::vector<PlayEvent> parsed;
    int lineNumber = 0;
    while (!text.empty() || lineNumber == 0) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> w = words(line);
        if (w.empty()) {
            continue;
        }
        PlayEvent event;
        event.line = lineNumber;
        const std::string problem = parseLine(w, event);
        if (!problem.empty()) {
            error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        parsed.push_back(event);
    }
    events = std::move(parsed);
    return true;
}

void RunPlayScript(AppState& state, const std::vector<PlayEvent>& events) {
    MessageQueue queue;
    LoopWindows windows;
    ScreenPoint pointer = {state.drags.canvas.x, state.drags.canvas.y};
    bool penDown = false;
    float pressure = 1.0f;
    auto send = [&](MessageKind kind) {
        LoopMessage message = messageTo(WindowId::Canvas, kind, pointer.x, pointer.y);
        message.screen = {state.canvasWindowPos.x + pointer.x, state.canvasWindowPos.y + pointer.y};
        message.pen = penDown;
        message.pressure = pressure;
        queue.post(message);
        RunMainLoopPass(state, queue, windows);
    };
    for (const PlayEvent& event : events) {
        switch (event.kind) {
            case PlayEvent::Kind::Zoom:
                state.zoomFactor = event.zoom;
                placeCanvasWindow(state);
                break;
            case PlayEvent::Kind::Move:
                pointer = {event.x, event.y};
                pressure = event.pressure;
                penDown = penDown || event.pen;
                send(MessageKind::PointerMove);
                break;
            case PlayEvent::Kind::Down:
                penDown = event.pen;
                send(MessageKind::LeftButtonDown);
                break;
            case PlayEvent::Kind::Up:
                send(MessageKind::LeftButtonUp);
                penDown = false;
                break;
            case PlayEvent::Kind::Leave:
                send(MessageKind::PointerLeave);
                break;
            case PlayEvent::Kind::Pass:
                for (uint32_t i = 0; i < event.passes; ++i) {
                    RunMainLoopPass(state, queue, windows);
                }
                break;
        }
    }
}

}  // namespace dw
