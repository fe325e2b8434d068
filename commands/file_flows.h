#pragma once

#include <string>

#include "core/document_arrival.h"

namespace dw {

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

}  // namespace dw
