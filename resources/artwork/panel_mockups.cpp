#include "resources/artwork/panel_mockups.h"

#include <map>

#include "resources/artwork/impasto.h"
#include "tools/tool_table.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {
namespace {

class Pictures {
  public:
    explicit Pictures(const std::vector<ArtworkEntry>& entries) {
        for (const ArtworkEntry& entry : entries) {
            byName_[entry.name] = storedPicture(entry);
        }
    }
    const Picture& operator[](const std::string& name) const { return byName_.at(name); }

  private:
    std::map<std::string, Picture> byName_;
};

// As the program's slider: a 1 x 2 segment (black over grey 128) tiled to the length, the
// knob centred on the value, one row below the track's top.
void drawSlider(Picture& target, const Picture& knob, const layout::SliderSpot& s, float value) {
    target.fillRect(s.x, s.y, s.x + s.length, s.y + 1, Rgb{0, 0, 0});
    target.fillRect(s.x, s.y + 1, s.x + s.length, s.y + 2, grey(128));
    target.paste(knob, layout::knobLeft(s, value, knob.width()), layout::knobTop(s, knob.height()));
}

Picture thumbnail(const Picture& pattern) {
    return pattern.crop(0, 0, layout::kThumbnailSide, layout::kThumbnailSide);
}

void tint(Picture& p, int x0, int y0, int x1, int y1, Rgb colour, float keep) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (p.contains(x, y)) {
                p.set(x, y, mix(colour, p.at(x, y), keep));
            }
        }
    }
}

Picture toolsPanel(const Pictures& pics) {
    Picture panel = pics["toolsview"];
    const int header = pics["brushes"].height();
    const int ht = pics["brush0"].height();
    const auto up = [&](ToolId tool) { return std::string(findTool(tool)->upImage); };
    for (int row = 0; row < layout::kToolsRowCount; ++row) {
        const layout::ToolsRow& r = layout::kToolsRows[row];
        const int y = layout::toolsRowTop(row, header, ht);
        if (!r.header.empty()) {
            panel.paste(pics[std::string(r.header)], layout::kToolColumnLeft, y);
            continue;
        }
        // The start-up tool shows selected.
        const std::string left = r.left == ToolId::PaintBrush
                                     ? std::string(findTool(r.left)->selectedImage)
                                     : up(r.left);
        panel.paste(pics[left], layout::kToolColumnLeft, y);
        panel.paste(pics[up(r.right)], layout::kToolColumnRight, y);
    }
    return panel;
}

Picture samplePreview(const Pictures& pics) {
    Canvas preview;
    preview.create(layout::kPreviewSide, layout::kPreviewSide);
    ImpastoPainter painter(preview);
    ImpastoBrush brush;  // the program's start-up brush
    brush.red = 0;
    brush.green = 200;
    brush.blue = 45;
    brush.size = 30;
    brush.amount = 0.5f;
    brush.thickness = 10.0f;
    brush.gloss = 20;
    brush.style = &pics["paint2"];
    brush.texture = &pics["bump3"];
    brush.offsetX = 100;
    brush.offsetY = 100;
    for (int i = 0; i < 6; ++i) {
        painter.dab(64, 64, brush);
    }
    return shadedPicture(preview);
}

Picture stylesPage(const Pictures& pics, int page) {
    Picture styles = pics["styles"];
    const char* tabs[3][2] = {
        {"tpaint0", "tpaint1"}, {"ttexture0", "ttexture1"}, {"tshape1", "tshape0"}};
    for (int i = 0; i < 3; ++i) {
        styles.paste(pics[tabs[i][i == page ? 1 : 0]], layout::styleTabX(i), layout::kTabTop);
    }
    if (page == 2) {
        styles.paste(pics["shape"], 0, layout::kPageTop);
        drawSlider(styles, pics["tab"], layout::kHardnessSlider, 0.0f);
        // The program's footprint icon at hardness 0: a peaked trapezoid.
        Picture icon(layout::kProfileSide, layout::kProfileSide, grey(255));
        const Shape outline = unite(capsule({0.5f, 54.5f}, {26.5f, 5.5f}, 0.5f),
                                    unite(capsule({26.5f, 5.5f}, {28.5f, 5.5f}, 0.5f),
                                          capsule({28.5f, 5.5f}, {54.5f, 54.5f}, 0.5f)));
        fill(icon, outline, grey(0));
        styles.paste(icon, layout::kProfileIcon.x, layout::kProfileIcon.y);
        return styles;
    }
    const char* stem = page == 0 ? "paint" : "bump";
    for (int i = 0; i < 18; ++i) {
        const int x = i % 9 * layout::kGridPitch + layout::kGridOrigin.x;
        const int y = i / 9 * layout::kGridPitch + layout::kGridOrigin.y;
        styles.paste(thumbnail(pics[stem + std::to_string(i)]), x, y);
    }
    const int current = page == 0 ? 2 : 3;
    const int cx = current % 9 * layout::kGridPitch + layout::kGridOrigin.x;
    const int cy = current / 9 * layout::kGridPitch + layout::kGridOrigin.y;
    tint(styles, cx, cy, cx + layout::kThumbnailSide, cy + layout::kThumbnailSide, Rgb{255, 0, 0},
         128.0f / 255.0f);
    return styles;
}

Picture propertiesPanel(const Pictures& pics, int page) {
    Picture panel = pics["properties"];
    panel.paste(samplePreview(pics), layout::kPreview.x, layout::kPreview.y);
    const Picture& knob = pics["tab"];
    drawSlider(panel, knob, layout::kSizeSlider, 30.0f);
    drawSlider(panel, knob, layout::kThicknessSlider, 90.0f);
    drawSlider(panel, knob, layout::kGlossSlider, 20.0f * 0.39215687f);
    drawSlider(panel, knob, layout::kAmountSlider, 50.0f);
    panel.paste(stylesPage(pics, page), 0, layout::kPropertiesVisibleHeight);
    return panel;
}

Picture coloursPanel(const Pictures& pics) {
    Picture panel = pics["colordlg"];
    const Picture& knob = pics["tab"];
    drawSlider(panel, knob, layout::kRedSlider, 0.0f);
    drawSlider(panel, knob, layout::kGreenSlider, 200.0f * 0.39215687f);
    drawSlider(panel, knob, layout::kBlueSlider, 45.0f * 0.39215687f);
    Picture swatch(layout::kSwatchSide, layout::kSwatchSide, grey(0));
    swatch.fillRect(1, 1, layout::kSwatchSide - 1, layout::kSwatchSide - 1, Rgb{0, 200, 45});
    panel.paste(swatch, layout::kSwatch.x, layout::kSwatch.y);
    return panel;
}

void paletteButtons(Picture& panel, const Pictures& pics, int tab) {
    panel.paste(pics[tab == 0 ? "tbrushes1" : "tbrushes0"], layout::kBrushesTab.x,
                layout::kBrushesTab.y);
    panel.paste(pics[tab == 1 ? "tstrokes1" : "tstrokes0"], layout::kStrokesTab.x,
                layout::kStrokesTab.y);
    panel.paste(pics["add0"], layout::kAddButton.x, layout::kAddButton.y);
    panel.paste(pics["delete0"], layout::kDeleteButton.x, layout::kDeleteButton.y);
    panel.paste(pics["savelist0"], layout::kSaveListButton.x, layout::kSaveListButton.y);
    panel.paste(pics["loadlist1"], layout::kLoadListButton.x, layout::kLoadListButton.y);
}

Picture palettePanel(const Pictures& pics, int tab) {
    Picture panel = pics["palette"];
    if (tab == 1) {
        panel.paste(pics["strokes"], 0, layout::kStrokesStripTop);
    }
    paletteButtons(panel, pics, tab);
    if (tab == 1) {
        panel.paste(pics["check1"], layout::kFadeAmountSwitch.x, layout::kFadeAmountSwitch.y);
        panel.paste(pics["check0"], layout::kFadeSizeSwitch.x, layout::kFadeSizeSwitch.y);
        panel.paste(pics["check1"], layout::kWaveSwitch.x, layout::kWaveSwitch.y);
        const Picture& knob = pics["tab"];
        drawSlider(panel, knob, layout::kFadeAmountSlider, 100.0f);
        drawSlider(panel, knob, layout::kFadeSizeSlider, 100.0f);
        drawSlider(panel, knob, layout::kWavePhaseSlider, 0.0f);
        drawSlider(panel, knob, layout::kWavePeriodSlider, 40.0f);
        drawSlider(panel, knob, layout::kWaveDepthSlider, 5.0f);
    }
    return panel;
}

Picture newImagePanel(const Pictures& pics) {
    Picture panel = pics["filenew"];
    panel.paste(pics["okay0"], layout::kOkButton.x, layout::kOkButton.y);
    panel.paste(pics["cancel1"], layout::kCancelButton.x, layout::kCancelButton.y);
    return panel;
}

}  // namespace

Picture storedPicture(const ArtworkEntry& entry) {
    const Surface surface = entry.surface();
    Picture picture(int(surface.width()), int(surface.height()));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Pixel p = surface.getPixel(x, y);
            picture.set(x, y, Rgb{float(p.red), float(p.green), float(p.blue)});
        }
    }
    return picture;
}

std::vector<Mockup> panelMockups(const std::vector<ArtworkEntry>& entries) {
    const Pictures pics(entries);
    return {
        {"Tools", toolsPanel(pics)},
        {"Brush properties", propertiesPanel(pics, 0)},
        {"Palette, brushes", palettePanel(pics, 0)},
        {"Palette, strokes", palettePanel(pics, 1)},
        {"Colors", coloursPanel(pics)},
        {"New Image", newImagePanel(pics)},
        {"Styles panel, textures", stylesPage(pics, 1)},
        {"Styles panel, shape", stylesPage(pics, 2)},
    };
}

}  // namespace dw::artwork
