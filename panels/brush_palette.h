#pragma once

#include <string>

#include "panels/list_files.h"
#include "panels/preset_list.h"
#include "tools/brush_settings.h"

namespace dw {

struct AppState;

// The saved brushes, each with a 30 x 30 thumbnail painted by the engine.
using BrushPalette = PresetList<BrushSettings, 45>;

// The brush in the first empty slot, which becomes current; when all are used the user is
// warned and nothing changes.
void AddBrush(AppState& state, BrushPalette& palette, const BrushSettings& brush);
// After the user agreed, the brush in `slot` goes and the later ones move up.
void DeleteBrush(BrushPalette& palette, int slot);

// Replaces the palette from a file and makes its first brush the current brush. A missing
// file at start-up gives a palette of the current brush; a file the user chose that cannot be
// read changes nothing. Returns false when the palette must not be written back at exit.
bool LoadBrushPalette(AppState& state, BrushPalette& palette, const std::string& path,
                      ListSource source);
void redrawBrushThumbnails(AppState& state, BrushPalette& palette);

}  // namespace dw
