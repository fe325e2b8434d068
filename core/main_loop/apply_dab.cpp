#include "core/main_loop/apply_dab.h"

#include <algorithm>
#include <cstdint>

#include "canvas/truncation.h"
#include "core/app_state.h"
#include "tools/tool_dispatch.h"

namespace dw {
namespace {

// The colour as shown, lighting and grain included. A position off the painting picks
// nothing rather than a colour that is not there.
void pickColour(AppState& state, const Canvas& painting, int x, int y) {
    if (!painting.contains(x, y) || !painting.surface().valid()) {
        return;
    }
    const Pixel shown = painting.surface().getPixel(x, y);
    state.brush.red = shown.red;
    state.brush.green = shown.green;
    state.brush.blue = shown.blue;
    state.colourPicked = true;
}

// The window may go partly or wholly out of view; only the arithmetic is kept in range.
int32_t shifted(int32_t position, int32_t from, int32_t to) {
    const int64_t moved = int64_t(position) + (int64_t(to) - from);
    return int32_t(std::clamp<int64_t>(moved, INT32_MIN, INT32_MAX));
}

void moveCanvasWindow(AppState& state) {
    const ScreenPoint cursor = state.cursorScreenPos;
    state.canvasWindowPos.x = shifted(state.canvasWindowPos.x, state.pressPoint.x, cursor.x);
    state.canvasWindowPos.y = shifted(state.canvasWindowPos.y, state.pressPoint.y, cursor.y);
    state.pressPoint = cursor;
    state.canvasWindowMoved = true;
}

bool penPressing(const AppState& state, const Canvas& canvas) {
    return canvas.isPainting() && state.penStroke && state.pressureMode != PressureMode::Off;
}

}  // namespace

BrushSettings DabSettings(const AppState& state, const Canvas& canvas) {
    return penPressing(state, canvas)
               ? pressedSettings(state.strokeSettings, state.pressureMode, state.penPressure)
               : state.strokeSettings;
}

void ApplyDab(AppState& state, int x, int y, Canvas& canvas) {
    const bool painting = canvas.isPainting();
    const BrushSettings settings = DabSettings(state, canvas);
    const bool sizePressed = penPressing(state, canvas) && modulatesSize(state.pressureMode);
    if (!sizePressed) {
        BuildFootprint(state.footprint, settings);
    }
    const BrushFootprint& footprint =
        sizePressed ? state.pressedFootprints.footprintFor(settings) : state.footprint;
    if (painting) {
        x = truncToInt(x / double(state.zoomFactor));
        y = truncToInt(y / double(state.zoomFactor));
    }
    const ToolId tool = state.brush.tool;
    const DabContext context{footprint, state.offsets, state.patterns, state.random};
    if (ApplyToolEffect(tool, canvas, x, y, settings, context)) {
        return;
    }
    if (painting && tool == ToolId::EyeDropper) {
        pickColour(state, canvas, x, y);
    } else if (painting && tool == ToolId::HandTool) {
        moveCanvasWindow(state);
    }
}

IntRect DabWindowArea(const AppState& state, int x, int y) {
    const double r = double(state.brush.size) * state.zoomFactor;
    return {truncToInt(x - r), truncToInt(y - r), truncToInt(x + r), truncToInt(y + r)};
}

}  // namespace dw
