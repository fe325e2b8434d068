#pragma once

#include <functional>
#include <string>

#include "core/document_arrival.h"

namespace dw {

class Canvas;
struct AppState;
class Shell;

enum class SaveOutcome { Saved, Cancelled, Failed };

// File > Save: asks for a path and writes the painting.
SaveOutcome SaveCommand(AppState& state);
// Before the painting is replaced: true to go on. A Yes whose save was cancelled or failed
// stops the caller too, so nothing unsaved is thrown away.
bool AskSaveChanges(AppState& state);
// File > Open, File > Import Image, File > Export Image.
void OpenCommand(AppState& state, Shell& shell);
void ImportCommand(AppState& state, Shell& shell);
void ExportCommand(AppState& state);
// A painting or picture that arrived, by the arrival's rules: the unsaved-changes question
// where they ask it, the file read, the canvas window recreated for it. An empty path (a
// hand-off whose file was missing) changes nothing. True when the painting was replaced.
bool PaintingArrived(AppState& state, Shell& shell, const std::string& path, Arrival arrival);
// A painting recovered from a run that ended unsaved, read by read: it arrives unsaved, and
// Save offers ownFile. True when the painting was replaced.
bool PaintingRecovered(AppState& state, Shell& shell, const std::function<bool(Canvas&)>& read,
                       const std::string& ownFile);

}  // namespace dw
