#pragma once

#include <array>

#include "canvas/pattern_images.h"
#include "core/main_loop/loop_message.h"
#include "panels/panel_pictures.h"
#include "widgets/button_set.h"
#include "widgets/slider.h"

namespace dw {

struct AppState;
class PanelWindows;

// The styles panel under the brush properties: pages of paint style and texture thumbnails
// to choose the brush's from, and a page for the brush's hardness with its profile.
class StylesPanel {
  public:
    enum Page { PaintStyles, Textures, Shape };

    // The tabs, the hardness slider and the 36 thumbnails of the loaded pattern images.
    void create(const AppState& state, SliderPictures& sliders);
    void handle(AppState& state, const LoopMessage& message, PanelWindows& windows);
    // Whether the current tool uses a paint style and a texture; a disabled row is whitened
    // and ignores clicks.
    void enableRows(bool paintStyles, bool textures);
    Page page() const { return page_; }
    const Surface& picture(AppState& state);

  private:
    void mouseStep(AppState& state, PanelWindows& windows);
    void drawGrid(const std::array<Surface, kPatternCount>& thumbnails, int current, bool enabled);

    Page page_ = PaintStyles;
    std::array<ButtonPicturePair, 3> tabPictures_;
    ButtonSet tabs_;
    Slider hardness_;
    Surface clean_;
    Surface shape_;
    Surface content_;
    std::array<Surface, kPatternCount> styleThumbnails_;
    std::array<Surface, kPatternCount> textureThumbnails_;
    bool paintStylesEnabled_ = true;
    bool texturesEnabled_ = true;
};

}  // namespace dw
