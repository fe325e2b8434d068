#include "panels/stroke_list.h"

#include "core/app_state.h"
#include "panels/thumbnails.h"
#include "platform/message_box.h"

namespace dw {
namespace {

void drawThumbnail(AppState& state, StrokeList& list, int slot) {
    StrokeList::Slot& s = list[slot];
    DrawStrokeThumbnail(state, s.record, list.currentSlot().record, s.thumbnail);
}

}  // namespace

void AddStroke(AppState& state, StrokeShelf& shelf, const StrokeModifiers& stroke) {
    const int slot = shelf.list.firstEmpty();
    if (slot < 0) {
        platform::showMessage("List has reached maximum limit! Try deleting a stroke first.",
                              "Warning", platform::MessageIcon::Warning);
        return;
    }
    shelf.list[slot].used = true;
    shelf.list[slot].record = stroke;
    drawThumbnail(state, shelf.list, slot);
    shelf.list.setCurrent(slot);
    ShowStrokeInEditor(shelf);
    TakeStrokeFromEditor(state, shelf);
}

void DeleteStroke(AppState& state, StrokeShelf& shelf, int slot) {
    if (shelf.list.current() == 0 || !shelf.list[slot].used) {
        return;
    }
    const platform::Message question{"Are you sure you'd like to delete this stroke?",
                                     "Delete Stroke", platform::MessageIcon::Warning,
                                     platform::MessageButtons::YesNo};
    if (platform::showMessage(question) != platform::MessageAnswer::Yes) {
        return;
    }
    shelf.list.removeAt(slot);
    ShowStrokeInEditor(shelf);
    TakeStrokeFromEditor(state, shelf);
}

void ShowStrokeInEditor(StrokeShelf& shelf) {
    shelf.editor.show(shelf.list.currentSlot().record);
}

void TakeStrokeFromEditor(AppState& state, StrokeShelf& shelf) {
    StrokeModifiers& stroke = shelf.list.currentSlot().record;
    if (shelf.list.current() != 0) {
        shelf.editor.writeInto(stroke);
    }
    shelf.editor.enableSliders(stroke);
    state.strokeModifiers = stroke;
    drawThumbnail(state, shelf.list, shelf.list.current());
}

bool LoadStrokeList(AppState& state, StrokeShelf& shelf, const std::string& path,
                    ListSource source) {
    PresetTable table;
    bool keptAside = true;
    const ListRead read = readListFile(kStrokeFiles, path, source, table, keptAside);
    if (read == ListRead::Refused) {
        return true;
    }
    if (read == ListRead::Read) {
        shelf.list.replace(table, soundStroke);
        shelf.list.setCurrent(0);
    }
    // The first stroke is always there: a list without one starts from the default.
    if (!shelf.list[0].used) {
        AddStroke(state, shelf, StrokeModifiers{});
    }
    for (int slot = 0; slot < StrokeList::kCapacity; ++slot) {
        shelf.list[slot].thumbnail.release();
        if (shelf.list[slot].used) {
            drawThumbnail(state, shelf.list, slot);
        }
    }
    // The editor shows the stroke that is now current, not the one of the list replaced.
    ShowStrokeInEditor(shelf);
    TakeStrokeFromEditor(state, shelf);
    return keptAside;
}

}  // namespace dw
