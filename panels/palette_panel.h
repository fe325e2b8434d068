#pragma once

#include <array>

#include "core/main_loop/loop_message.h"
#include "panels/brush_palette.h"
#include "panels/panel.h"
#include "panels/panel_pictures.h"
#include "panels/panel_shared.h"
#include "panels/stroke_list.h"
#include "widgets/button_set.h"

namespace dw {

// The palette panel: the Brushes tab with the saved brushes, the Strokes tab with the saved
// stroke shapes and their editor, and Add, Delete, Save List and Load List below.
class PalettePanel final : public Panel {
  public:
    explicit PalettePanel(PanelShared& shared) : shared_(shared) {}

    // Start-up: the pictures and controls, then both lists from the program's files.
    void loadWhileSplashShows(AppState& state) override;
    // The current brush of the list becomes the brush.
    void handOutStartBrush(AppState& state) override;
    PanelReply handle(AppState& state, const LoopMessage& message, PanelWindows& windows) override;
    const Surface& picture(AppState& state) override;
    // Shut-down: both lists back to the program's files.
    void save() const override;

  private:
    enum Tab { Brushes, Strokes };
    enum Button { BrushesTab = 0, StrokesTab = 1, Add = 5, Delete = 6, SaveList = 7, LoadList = 8 };

    void brushesInput(AppState& state, PanelWindows& windows);
    void strokesInput(AppState& state, PanelWindows& windows);
    void pressButton(AppState& state, int button, PanelWindows& windows);
    void endPress(AppState& state);
    void paintBrushes();
    void paintStrokes();

    PanelShared& shared_;
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
