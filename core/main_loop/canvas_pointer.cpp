#include "core/main_loop/canvas_pointer.h"

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "core/main_loop/apply_dab.h"
#include "core/main_loop/loop_windows.h"
#include "tools/stroke_driver.h"

namespace dw {
namespace {

void askForLeaveNotification(AppState& state, LoopWindows& windows) {
    if (!state.mouseLeaveTracking && windows.trackPointerLeave()) {
        state.mouseLeaveTracking = true;
    }
}

// A pen's messages bring its newest pressure; a mouse's leave it alone.
void takePressure(AppState& state, const LoopMessage& message) {
    if (message.pen) {
        state.penPressure = message.pressure;
    }
}

// The middle button and Alt+click lend a tool for the length of their press.
void lendTool(AppState& state, ToolId tool) {
    if (!state.toolBeforePress) {
        state.toolBeforePress = state.brush.tool;
        state.brush.tool = tool;
    }
}

void giveToolBack(AppState& state) {
    if (state.toolBeforePress) {
        state.brush.tool = *state.toolBeforePress;
        state.toolBeforePress.reset();
    }
}

void press(AppState& state, const LoopMessage& message) {
    const ToolId current = state.brush.tool;
    if (message.altDown && current != ToolId::HandTool && current != ToolId::EyeDropper) {
        lendTool(state, ToolId::EyeDropper);
    }
    // While the pointer rests after a press every pass delivers the press again and the paint
    // keeps building up; only the real press reseeds the grain and takes the undo snapshot,
    // so that one stroke is one step of Undo and earlier strokes stay in the history.
    const bool firstPress = !state.drags.canvas.active;
    if (firstPress) {
        ReseedOffsets(state.offsets, state.random);
        state.penStroke = message.pen;
    }
    takePressure(state, message);
    state.pressPoint = state.cursorScreenPos;
    const ToolId tool = state.brush.tool;
    if (firstPress && tool != ToolId::HandTool && tool != ToolId::EyeDropper) {
        state.history.pushSnapshot(state.painting);
    }
    state.buttonHeld = true;
    state.drags.canvas.active = 1;
    BeginStroke(state.painting, state.stroke());
}

// Continuous strokes: a pointer that moved farther than a quarter of the dab's size since the
// last dab gets the dabs it skipped, along the segment, the stroke length growing piece by
// piece. Returns where the last of them was laid.
ScreenPoint fillSegment(AppState& state, ScreenPoint from, ScreenPoint to, LoopWindows& windows) {
    const int size = DabSettings(state, state.painting).size;
    const double spacing = std::max(1.0, size * double(state.zoomFactor) * 0.25);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const int pieces = int(std::ceil(std::sqrt(dx * dx + dy * dy) / spacing));
    ScreenPoint last = from;
    for (int i = 1; i < pieces; ++i) {
        const ScreenPoint at = {int(std::lround(from.x + dx * i / pieces)),
                                int(std::lround(from.y + dy * i / pieces))};
        StrokeStep(state.painting, last.x - at.x, last.y - at.y, state.stroke());
        ApplyDab(state, at.x, at.y, state.painting);
        windows.invalidateCanvas(DabWindowArea(state, at.x, at.y));
        last = at;
    }
    return last;
}

void move(AppState& state, const LoopMessage& message, LoopWindows& windows) {
    // Client coordinates arrive as two 16-bit words.
    const int x = uint16_t(message.x);
    const int y = uint16_t(message.y);
    takePressure(state, message);
    DriftOffsets(state.offsets, state.random, state.driftReference.x, state.driftReference.y, x, y);
    DragState& drag = state.drags.canvas;
    ScreenPoint from = {drag.x, drag.y};
    if (state.continuousStrokes && drag.active && state.buttonHeld) {
        from = fillSegment(state, from, {x, y}, windows);
    }
    StrokeStep(state.painting, from.x - x, from.y - y, state.stroke());
    drag.x = x;
    drag.y = y;
    state.driftReference = {x, y};
    askForLeaveNotification(state, windows);
}

void release(AppState& state) {
    EndStroke(state.painting, state.stroke());
    state.penStroke = false;
    giveToolBack(state);
    state.buttonHeld = false;
    state.drags.canvas.reset();
}

void leave(AppState& state) {
    // buttonHeld stays: painting resumes only with the next press, not when the pointer returns.
    state.mouseLeaveTracking = false;
    state.drags.resetAll();
    EndStroke(state.painting, state.stroke());
    state.penStroke = false;
    giveToolBack(state);
}

// The eraser end paints with the Eraser while it is near; the pen end gives the tool back.
void stylusEnd(AppState& state, bool eraser) {
    if (eraser == state.toolBeforeEraser.has_value()) {
        return;
    }
    if (eraser) {
        state.toolBeforeEraser = state.brush.tool;
        state.brush.tool = ToolId::Eraser;
    } else {
        state.brush.tool = *state.toolBeforeEraser;
        state.toolBeforeEraser.reset();
    }
    state.colourChanged = true;  // the panels show the tool
}

}  // namespace

void HandleCanvasMessage(AppState& state, const LoopMessage& message, LoopWindows& windows) {
    switch (message.kind) {
        case MessageKind::LeftButtonDown:
            press(state, message);
            break;
        case MessageKind::PointerMove:
            move(state, message, windows);
            break;
        case MessageKind::LeftButtonUp:
        case MessageKind::MiddleButtonUp:
            release(state);
            break;
        case MessageKind::MiddleButtonDown:
            lendTool(state, ToolId::HandTool);
            press(state, message);
            break;
        case MessageKind::PointerLeave:
            leave(state);
            break;
        case MessageKind::StylusEnd:
            stylusEnd(state, message.code != 0);
            break;
        case MessageKind::KeyDown:
        case MessageKind::KeyUp:
            windows.keyboard(state, message);
            break;
        default:
            break;  // the right button does not paint
    }
}

}  // namespace dw
