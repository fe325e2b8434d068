#include "panels/palette_panel.h"

#include <algorithm>
#include <filesystem>

#include "core/app_state.h"
#include "panels/panel_pointer.h"
#include "panels/panel_windows.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

constexpr uint8_t kKeepHalf = 128;
constexpr Pixel kRed{255, 0, 0};
constexpr Pixel kGreyed{212, 208, 200};

void tint(Surface& image, const layout::Area& area, Pixel colour) {
    image.tintRect(area.left, area.top, area.right, area.bottom, colour.red, colour.green,
                   colour.blue, kKeepHalf);
}

layout::Spot brushSpot(int slot) {
    return {layout::kBrushGrid.x + layout::kBrushPitch * (slot % layout::kBrushColumns),
            layout::kBrushGrid.y + layout::kBrushPitch * (slot / layout::kBrushColumns)};
}

layout::Area strokeRow(int slot) {
    const int top = layout::kStrokeColumn.y + layout::kStrokeHeight * slot;
    return {layout::kStrokeColumn.x, top, layout::kStrokeColumn.x + layout::kStrokeWidth,
            top + layout::kStrokeHeight};
}

}  // namespace

void PalettePanel::loadWhileSplashShows(AppState& state) {
    const struct {
        Button button;
        const char* normal;
        const char* pressed;
    } pictures[] = {{BrushesTab, "tbrushes0", "tbrushes1"},
                    {StrokesTab, "tstrokes0", "tstrokes1"},
                    {Add, "add0", "add1"},
                    {Delete, "delete0", "delete1"},
                    {SaveList, "savelist0", "savelist1"},
                    {LoadList, "loadlist0", "loadlist1"}};
    for (const auto& p : pictures) {
        buttonPictures_[p.button].load(p.normal, p.pressed);
    }
    loadPanelPicture(background_, "palette");
    loadPanelPicture(strip_, "strokes");
    backBuffer_.create(layout::kPaletteWidth, layout::kPaletteHeight);
    strokes_.editor.build(shared_.sliders);

    const int strokesTabX = int(buttonPictures_[BrushesTab].normal.width()) + 2;
    const struct {
        Button button;
        layout::Spot spot;
    } places[] = {{BrushesTab, layout::kBrushesTab},   {StrokesTab, {strokesTabX, 1}},
                  {Add, layout::kAddButton},           {Delete, layout::kDeleteButton},
                  {SaveList, layout::kSaveListButton}, {LoadList, layout::kLoadListButton}};
    for (const auto& p : places) {
        SetUpButton(buttons_, p.button, p.spot.x, p.spot.y, buttonPictures_[p.button].pictures(), 0,
                    ButtonKind::Toggle);
    }
    buttons_[BrushesTab].state = ButtonState::Pressed;
    tab_ = Brushes;

    writeBrushes_ = LoadBrushPalette(state, brushes_, kPaletteFiles.dataPath, ListSource::StartUp);
    writeStrokes_ = LoadStrokeList(state, strokes_, kStrokeFiles.dataPath, ListSource::StartUp);
}

void PalettePanel::handOutStartBrush(AppState& state) {
    if (brushes_[brushes_.current()].used) {
        state.brush = brushes_[brushes_.current()].record;
    }
}

PanelReply PalettePanel::handle(AppState& state, const LoopMessage& message,
                                PanelWindows& windows) {
    handleHoldingPanel(state, message, windows);
    if (message.kind == MessageKind::LeftButtonUp || message.kind == MessageKind::PointerLeave) {
        releasePanel(state, WindowId::Palette, HoldsButton::Yes);
        windows.repaint(WindowId::Palette);
    }
    if (tab_ == Brushes) {
        brushesInput(state, windows);
    } else {
        strokesInput(state, windows);
    }
    return PanelReply::Handled;
}

void PalettePanel::brushesInput(AppState& state, PanelWindows& windows) {
    const DragState& drag = panelDrag(state, WindowId::Palette);
    const PointerPress press = pressOf(drag.active);
    const int hit = UpdateButtons(buttons_, drag.x, drag.y, press);
    if (hit != kNoButton) {
        pressButton(state, hit, windows);
        return;
    }
    if (press != PointerPress::Down || !layout::kBrushGridArea.contains(drag.x, drag.y)) {
        return;
    }
    const int row = (drag.y - layout::kBrushGrid.y) / layout::kBrushPitch;
    const int column = (drag.x - layout::kBrushGrid.x) / layout::kBrushPitch;
    const int slot = std::min(row * layout::kBrushColumns + column, BrushPalette::kCapacity - 1);
    if (brushes_[slot].used) {
        const int32_t size = state.brush.size;
        state.brush = brushes_[slot].record;
        state.brush.size = size;
        brushes_.setCurrent(slot);
    }
    state.footprint.invalidate();
    windows.repaint(WindowId::Palette);
    // The tools and the other panels follow in the next pass.
    state.colourChanged = true;
    endPress(state);
}

void PalettePanel::strokesInput(AppState& state, PanelWindows& windows) {
    const DragState& drag = panelDrag(state, WindowId::Palette);
    const PointerPress press = pressOf(drag.active);
    if (strokes_.editor.trackSliders(drag, shared_.sliderDragId)) {
        TakeStrokeFromEditor(state, strokes_);
        windows.repaint(WindowId::Palette);
        return;
    }
    if (strokes_.list.current() != 0 && strokes_.editor.updateSwitches(drag)) {
        TakeStrokeFromEditor(state, strokes_);
        windows.repaint(WindowId::Palette);
    }
    const int hit = UpdateButtons(buttons_, drag.x, drag.y, press);
    if (hit != kNoButton) {
        pressButton(state, hit, windows);
        return;
    }
    if (press != PointerPress::Down || !layout::kStrokeColumnArea.contains(drag.x, drag.y)) {
        return;
    }
    const int slot = std::min((drag.y - layout::kStrokeColumn.y) / layout::kStrokeHeight,
                              StrokeList::kCapacity - 1);
    if (strokes_.list[slot].used) {
        state.strokeModifiers = strokes_.list[slot].record;
        strokes_.list.setCurrent(slot);
    }
    ShowStrokeInEditor(strokes_);
    windows.repaint(WindowId::Palette);
    endPress(state);
}

void PalettePanel::pressButton(AppState& state, int button, PanelWindows& windows) {
    const ListFileKind& files = tab_ == Brushes ? kPaletteFiles : kStrokeFiles;
    switch (button) {
        case BrushesTab:
        case StrokesTab:
            buttons_[BrushesTab].state = ButtonState::Normal;
            buttons_[StrokesTab].state = ButtonState::Normal;
            buttons_[button].state = ButtonState::Pressed;
            tab_ = button == BrushesTab ? Brushes : Strokes;
            break;
        case Add:
            if (tab_ == Brushes) {
                AddBrush(state, brushes_, state.brush);
            } else {
                AddStroke(state, strokes_, state.strokeModifiers);
            }
            break;
        case Delete:
            if (tab_ == Brushes) {
                DeleteBrush(brushes_, brushes_.current());
            } else {
                DeleteStroke(state, strokes_, strokes_.list.current());
            }
            pressEndedInDialog(state, WindowId::Palette);
            break;
        case SaveList:
            if (const auto path = promptListFile(files, platform::FileDialogKind::Save)) {
                saveListFile(files, *path,
                             tab_ == Brushes ? brushes_.table() : strokes_.list.table());
            }
            pressEndedInDialog(state, WindowId::Palette);
            break;
        case LoadList:
            if (const auto path = promptListFile(files, platform::FileDialogKind::Open)) {
                if (tab_ == Brushes) {
                    LoadBrushPalette(state, brushes_, *path, ListSource::UserFile);
                } else {
                    LoadStrokeList(state, strokes_, *path, ListSource::UserFile);
                }
            }
            pressEndedInDialog(state, WindowId::Palette);
            break;
        default:
            break;
    }
    windows.repaint(WindowId::Palette);
    for (int b = Add; b <= LoadList; ++b) {
        buttons_[b].state = ButtonState::Normal;
    }
}

void PalettePanel::endPress(AppState& state) {
    state.buttonHeld = false;
    state.drags.resetAll();
}

const Surface& PalettePanel::picture(AppState&) {
    background_.drawInto(0, 0, backBuffer_);
    if (tab_ == Brushes) {
        paintBrushes();
    } else {
        paintStrokes();
    }
    return backBuffer_;
}

void PalettePanel::paintBrushes() {
    DrawButtonsToImage(buttons_, backBuffer_);
    for (int slot = 0; slot < BrushPalette::kCapacity; ++slot) {
        if (brushes_[slot].used) {
            const layout::Spot spot = brushSpot(slot);
            brushes_[slot].thumbnail.drawInto(spot.x, spot.y, backBuffer_);
        }
    }
    const layout::Spot current = brushSpot(brushes_.current());
    tint(backBuffer_,
         {current.x, current.y, current.x + layout::kBrushPitch, current.y + layout::kBrushPitch},
         kRed);
}

void PalettePanel::paintStrokes() {
    strip_.drawInto(0, layout::kStrokesStripTop, backBuffer_);
    DrawButtonsToImage(buttons_, backBuffer_);
    strokes_.editor.draw(backBuffer_);
    const StrokeList& list = strokes_.list;
    for (int slot = 0; slot < StrokeList::kCapacity; ++slot) {
        if (list[slot].used) {
            const layout::Area row = strokeRow(slot);
            list[slot].thumbnail.drawInto(row.left, row.top, backBuffer_);
        }
    }
    tint(backBuffer_, strokeRow(list.current()), kRed);
    if (list.current() == 0) {
        tint(backBuffer_, layout::kStrokeEditorArea, kGreyed);
    }
    tint(backBuffer_, strokeRow(0), kGreyed);
}

void PalettePanel::save() const {
    std::error_code ignored;
    std::filesystem::create_directories("data", ignored);
    if (writeBrushes_) {
        writePresetTableFile(kPaletteFiles.dataPath, kPaletteFiles.layout, brushes_.table());
    }
    if (writeStrokes_) {
        writePresetTableFile(kStrokeFiles.dataPath, kStrokeFiles.layout, strokes_.list.table());
    }
}

}  // namespace dw
