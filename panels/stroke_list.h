#pragma once

#include <string>

#include "panels/list_files.h"
#include "panels/preset_list.h"
#include "panels/stroke_editor.h"
#include "tools/stroke_modifiers.h"

namespace dw {

struct AppState;

// The saved stroke shapes, each with a 132 x 15 sample stroke. The first is fixed: it cannot
// be deleted and the editor never writes into it.
using StrokeList = PresetList<StrokeModifiers, 10>;

// The list and its editor, which always shows the current stroke.
struct StrokeShelf {
    StrokeList list;
    StrokeEditor editor;
};

// The stroke in the first empty slot, which becomes current and active; when all are used the
// user is warned and nothing changes.
void AddStroke(AppState& state, StrokeShelf& shelf, const StrokeModifiers& stroke);
// After the user agreed, the stroke in `slot` goes and the later ones move up.
void DeleteStroke(AppState& state, StrokeShelf& shelf, int slot);
void ShowStrokeInEditor(StrokeShelf& shelf);
// The editor's settings into the current stroke (never the first), which becomes active.
void TakeStrokeFromEditor(AppState& state, StrokeShelf& shelf);

// Replaces the list from a file; a missing file at start-up (or a file holding no stroke)
// gives the one default stroke, a file the user chose that cannot be read changes nothing.
// Returns false when the list must not be written back at exit.
bool LoadStrokeList(AppState& state, StrokeShelf& shelf, const std::string& path,
                    ListSource source);

}  // namespace dw
