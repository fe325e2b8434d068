#pragma once

#include <array>

#include "core/main_loop/loop_message.h"
#include "panels/brush_palette.h"
#include "panels/panel_pictures.h"
#include "panels/stroke_list.h"
#include "widgets/button_set.h"

namespace dw {

struct AppState;
class PanelWindows;

// The palette panel: the Brushes tab with the saved brushes, the Strokes tab with the saved
// stroke shapes and their editor, and Add, Delete, Save List and Load List below.
class PalettePanel {
  public:
    // Start-up: the pictures and controls, then both lists from the program's files.
    void build(AppState& state, SliderPictures& sliders);
    // True when a click on a brush made it (or kept the brush as) the current brush.
    bool handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    const Surface& picture();
    // Shut-down: both lists back to the program's files.
    void saveLists() const;

    BrushPalette& brushes() { return brushes_; }
    StrokeShelf& strokes() { return strokes_; }

  private:
    enum Tab { Brushes, Strokes };
    enum Button { BrushesTab = 0, StrokesTab = 1, Add = 5, Delete = 6, SaveList = 7, LoadList = 8 };

    bool brushesInput(AppState& state, PanelWindows& windows);
    void strokesInput(AppState& state, PanelWindows& windows);
    void pressButton(AppState& state, int button, PanelWindows& windows);
    void endPress(AppState& state);
    void paintBrushes();
    void paintStrokes();

    Tab tab_ = Brushes;
    BrushPalette brushes_;
    StrokeShelf strokes_;
    bool writeBrushes_ = true;
    bool writeStrokes_ = true;
    ButtonSet buttons_;
    std::array<ButtonPicturePair, LoadList + 1> buttonPictures_;
    Surface background_;
    Surface strip_;
    Surface backBuffer_;
};

}  // namespace dw
