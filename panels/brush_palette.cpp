#include "panels/brush_palette.h"

#include "core/app_state.h"
#include "panels/thumbnails.h"
#include "platform/message_box.h"

namespace dw {

void AddBrush(AppState& state, BrushPalette& palette, const BrushSettings& brush) {
    const int slot = palette.firstEmpty();
    if (slot < 0) {
        platform::showMessage("List has reached maximum limit! Try deleting a brush first.",
                              "Warning", platform::MessageIcon::Warning);
        return;
    }
    BrushPalette::Slot& added = palette[slot];
    added.used = true;
    added.record = brush;
    DrawBrushThumbnail(state, added.record, added.thumbnail);
    palette.setCurrent(slot);
}

void DeleteBrush(BrushPalette& palette, int slot) {
    if (!palette[slot].used) {
        return;
    }
    const platform::Message question{"Are you sure you'd like to delete this brush?",
                                     "Delete Brush", platform::MessageIcon::Warning,
                                     platform::MessageButtons::YesNo};
    if (platform::showMessage(question) == platform::MessageAnswer::Yes) {
        palette.removeAt(slot);
    }
}

bool LoadBrushPalette(AppState& state, BrushPalette& palette, const std::string& path,
                      ListSource source) {
    PresetTable table;
    bool keptAside = true;
    switch (readListFile(kPaletteFiles, path, source, table, keptAside)) {
        case ListRead::Refused:
            return true;
        case ListRead::Read:
            palette.replace(table, soundBrush);
            break;
        case ListRead::Missing:
            AddBrush(state, palette, state.brush);
            break;
    }
    palette.setCurrent(0);
    redrawBrushThumbnails(state, palette);
    // An empty palette leaves the brush as it is rather than hand out an empty slot's record.
    if (palette[0].used) {
        state.brush = palette[0].record;
    }
    state.footprint.invalidate();
    state.colourChanged = true;
    return keptAside;
}

void redrawBrushThumbnails(AppState& state, BrushPalette& palette) {
    for (int slot = 0; slot < BrushPalette::kCapacity; ++slot) {
        BrushPalette::Slot& s = palette[slot];
        s.thumbnail.release();
        if (s.used) {
            DrawBrushThumbnail(state, s.record, s.thumbnail);
        }
    }
}

}  // namespace dw
