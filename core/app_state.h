#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "canvas/canvas.h"
#include "canvas/pattern_images.h"
#include "canvas/undo_history.h"
#include "core/main_loop/drag_state.h"
#include "core/main_loop/loop_message.h"
#include "platform/random_generator.h"
#include "tools/brush_footprint.h"
#include "tools/brush_settings.h"
#include "tools/dab_context.h"
#include "tools/footprint_cache.h"
#include "tools/pen_pressure.h"
#include "tools/stroke_driver.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// The program-wide record: everything a run of Daubwerk (the GUI or the batch tool) holds.
struct AppState {
    // Run control.
    bool quitRequested = false;
    // The record of the main loop: the message a pass without a new one delivers again.
    LoopMessage lastMessage;

    // View.
    float zoomFactor = 1.0f;
    ScreenPoint canvasWindowPos{90, 10};  // in the client area of the frame

    // Document.
    Canvas painting;
    UndoHistory history;
    // The painting's own file, which Save offers; empty for one never saved or made from a
    // picture.
    std::string documentPath;

    // Painting.
    BrushSettings brush;           // the current settings, which the panels edit
    BrushSettings strokeSettings;  // what the tools get: faded, waved, 0 amount at rest
    StrokeModifiers strokeModifiers;
    SamplingOffsets offsets;
    BrushFootprint footprint;
    PatternImages patterns;
    RandomGenerator random{1};
    // The user's settings file keeps these two; the batch tool takes them as steps.
    PressureMode pressureMode = PressureMode::SizeAndAmount;
    bool continuousStrokes = false;
    FootprintCache pressedFootprints;

    // Interaction.
    DragStates drags;
    bool buttonHeld = false;
    bool mouseLeaveTracking = false;
    ScreenPoint cursorScreenPos;  // where the cursor is; pointer messages bring it along
    ScreenPoint pressPoint;       // cursor at the press, advanced by the Hand Tool
    ScreenPoint driftReference;   // last pointer position on the canvas; survives a leave
    // Notices for the panels from the code below and beside them; the main loop hands them on.
    bool colourChanged = false;      // the colour, tool or brush changed: refresh the panels
    bool propertiesRefresh = false;  // the brush changed: draw the sample stroke again
    // Set by the Eye Dropper and the Hand Tool for the windows; the main loop passes them on.
    bool colourPicked = false;
    bool canvasWindowMoved = false;
    // A stroke pressed by a pen paints at the newest pressure the pen reported.
    bool penStroke = false;
    float penPressure = 1.0f;
    // The tool the pen end gives back while the stylus's eraser end is near.
    std::optional<ToolId> toolBeforeEraser;
    // The tool the middle button or Alt+click lent the Hand Tool or the Eye Dropper in place of.
    std::optional<ToolId> toolBeforePress;

    StrokeRecords stroke() { return {brush, strokeModifiers, strokeSettings, footprint}; }
    DabContext dabContext() { return {footprint, offsets, patterns, random}; }
};

// The first painting of a run: 600 x 600 white cells, lighting on, zoom 1.
void setUpFirstPainting(AppState& state);

}  // namespace dw
