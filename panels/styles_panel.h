#pragma once

#include <array>

#include "canvas/pattern_images.h"
#include "core/main_loop/loop_message.h"
#include "panels/panel.h"
#include "panels/panel_pictures.h"
#include "panels/panel_shared.h"
#include "widgets/button_set.h"
#include "widgets/slider.h"

namespace dw {

// The styles panel under the brush properties: pages of paint style and texture thumbnails
// to choose the brush's from, and a page for the brush's hardness with its profile.
class StylesPanel final : public Panel {
  public:
    enum Page { PaintStyles, Textures, Shape };

    explicit StylesPanel(PanelShared& shared) : shared_(shared) {}

    // The tabs, the hardness slider and the 36 thumbnails of the loaded pattern images.
    void prepare(AppState& state) override;
    PanelReply handle(AppState& state, const LoopMessage& message, PanelWindows& windows) override;
    void colourChanged(AppState& state, PanelWindows& windows) override;
    // The rows of paint styles and textures the tool does not use are whitened and ignore
    // clicks.
    void toolSelected(AppState& state, const ToolInfo* tool, PanelWindows& windows) override;
    Page page() const { return page_; }
    const Surface& picture(AppState& state) override;

  private:
    // Whether the current tool uses a paint style and a texture.
    void enableRows(bool paintStyles, bool textures);
    void mouseStep(AppState& state, PanelWindows& windows);
    void drawGrid(const std::array<Surface, kPatternCount>& thumbnails, int current, bool enabled);

    PanelShared& shared_;
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
