#pragma once

#include <functional>

#include "core/app_state.h"

namespace dw {

// What a run adds to the engine's start-up, each at its place in the program's order. A step
// left empty is skipped: the batch tool skips them all.
struct StartUpSteps {
    // Runs the loading of the pictures and presets; the program shows its splash meanwhile.
    std::function<void(const std::function<void()>& loading)> whileLoading;
    // Loaded with the engine's pictures, after the gloss map, so that the palette's
    // thumbnails shine as the painting does: the panels' pictures and the preset lists.
    std::function<void(AppState&)> loadPanels;
    // The windows, once everything is loaded.
    std::function<void(AppState&)> createWindows;
    // The canvas window for the first painting.
    std::function<void(AppState&)> showCanvas;
    // The user's preferences and the paintings the run begins with (the first run's welcome
    // painting, a painting recovered from a run that ended unsaved, the command line's file),
    // each brought in as a painting that arrived. Only a recovered one arrives unsaved.
    std::function<void(AppState&)> firstPaintings;
    // The panels' first contents and the brush from the palette.
    std::function<void(AppState&)> preparePanels;
};

// The one start-up of every run, the program's, the batch tool's, the tests' and the
// benchmarks': the image library, the 36 paint style and texture pictures, the gloss map, the
// first painting, each step of the run's own where it belongs. The working directory must be
// the program's folder: the pictures come from its "data/" stores, or on first use from its
// "WorkData/". The painting starts unshaded, with nothing unsaved but what was recovered.
void startUp(AppState& state, const StartUpSteps& steps = {});

}  // namespace dw
