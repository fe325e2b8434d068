#pragma once

#include <string>

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
// A painting that arrived from outside: dropped on the frame or handed over by a second
// start. Asks about unsaved changes first, as Open does.
void LoadArrivedPainting(AppState& state, Shell& shell, const std::string& path);

}  // namespace dw
