#pragma once

#include <cstdint>
#include <string>

#include "core/app_state.h"
#include "core/main_loop/loop_message.h"

namespace dw {

// The painting commands of the File and Image menus, without their dialogs: the GUI asks for
// sizes and paths, the batch tool takes them from its command line. Each reports its own
// failures to the user and returns false.

// Where the canvas window goes in the frame's client area whenever it is (re)created.
inline constexpr ScreenPoint kCanvasWindowHome{90, 10};
void placeCanvasWindow(AppState& state);

// True for a size New and Image Size take (1x1 .. 5000x5000); otherwise shows the warning.
bool sizeAcceptable(int64_t width, int64_t height);

// File > New at width x height.
bool newPainting(AppState& state, int64_t width, int64_t height);
// Image Size: resamples the painting, undoably.
bool resizePainting(AppState& state, int64_t width, int64_t height);
// Writes the document; exact writes raw cells (version 1), losing nothing.
enum class SaveFormat { Document, Exact };
bool savePainting(AppState& state, const std::string& path, SaveFormat format);
// View > Lighting.
void setLighting(AppState& state, bool on);

}  // namespace dw
