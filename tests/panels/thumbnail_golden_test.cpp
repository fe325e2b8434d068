// Brush and stroke thumbnails painted by the engine, compared with stored pictures (PPM). After
// an intended change of behaviour, regenerate them with
//   DAUBWERK_UPDATE_GOLDEN=1 build/tests/panels/panel_tests --gtest_filter='Thumbnail*'
// and look at them before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "canvas/gloss_map.h"
#include "core/app_state.h"
#include "panels/thumbnails.h"
#include "tests/support/file_contents.h"

namespace dw {
namespace {

std::string ppm(const Surface& picture) {
    std::string bytes = "P6\n" + std::to_string(picture.width()) + " " +
                        std::to_string(picture.height()) + "\n255\n";
    for (uint32_t y = 0; y < picture.height(); ++y) {
        for (uint32_t x = 0; x < picture.width(); ++x) {
            const Pixel p = picture.getPixel(x, y);
            bytes += {char(p.red), char(p.green), char(p.blue)};
        }
    }
    return bytes;
}

// Grain with structure, so that offsets and styles show, and a gloss map with a highlight.
class ThumbnailTest : public ::testing::Test {
  protected:
    ThumbnailTest() {
        for (int i = 0; i < kPatternCount; ++i) {
            Surface& style = state.patterns.styles[std::size_t(i)];
            Surface& texture = state.patterns.textures[std::size_t(i)];
            style.create(200, 200);
            texture.create(200, 200);
            for (uint32_t y = 0; y < 200; ++y) {
                for (uint32_t x = 0; x < 200; ++x) {
                    style.setPixel(x, y, uint8_t(x * 5 + y * 3 + i * 17), 0, 0);
                    texture.setPixel(x, y, uint8_t(((x / 3) ^ (y / 2)) * (i + 1)), 0, 0);
                }
            }
        }
        state.patterns.refreshTiles();
        Surface gloss;
        gloss.create(256, 256);
        for (uint32_t y = 0; y < 256; ++y) {
            for (uint32_t x = 0; x < 256; ++x) {
                const int d = std::abs(int(x) - 128) + std::abs(int(y) - 128);
                gloss.setPixel(x, y, uint8_t(std::max(0, 255 - d * 2)), 0, 0);
            }
        }
        glossMap().fillFrom(gloss);
    }
    ~ThumbnailTest() override { glossMap().clear(); }

    void compare(const std::string& name, const Surface& sheet) {
        const std::string path = std::string(DAUBWERK_PANELS_GOLDEN_DIR) + "/" + name + ".ppm";
        if (std::getenv("DAUBWERK_UPDATE_GOLDEN")) {
            std::ofstream(path, std::ios::binary) << ppm(sheet);
            GTEST_SKIP() << "wrote " << path;
        }
        EXPECT_TRUE(ppm(sheet) == test::fileText(path)) << "differs from " << path;
    }

    AppState state;
};

TEST_F(ThumbnailTest, BrushesArePaintedByTheirTools) {
    const ToolId tools[] = {ToolId::PaintBrush, ToolId::SprayPaint, ToolId::Knife,
                            ToolId::Eraser,     ToolId::Finger,     ToolId::Raise};
    Surface sheet;
    sheet.create(kBrushThumbnailSide * std::size(tools), kBrushThumbnailSide);
    int x = 0;
    for (ToolId tool : tools) {
        BrushSettings brush{200, 40, 90, 5, 8.0f, tool, 60, 0.8f, 180, 4, 130, 0};
        Surface thumbnail;
        DrawBrushThumbnail(state, brush, thumbnail);
        EXPECT_EQ(brush.hardness, 100);
        thumbnail.drawInto(x, 0, sheet);
        x += kBrushThumbnailSide;
    }
    EXPECT_EQ(state.brush.size, BrushSettings{}.size);  // the program's brush is put back
    EXPECT_EQ(state.offsets.styleOffsetY, 200.0f);      // paint style 5 x 10 x texture 4
    compare("brush_thumbnails", sheet);
}

TEST_F(ThumbnailTest, StrokesShowTheirModifiers) {
    StrokeModifiers fading;
    fading.fadeAmount = 1;
    fading.fadeAmountLength = 8.0f;
    StrokeModifiers waving;
    waving.wave = 1;
    waving.waveDepth = 60.0f;
    waving.wavePeriod = 2.0f;
    waving.fadeSize = 1;
    waving.fadeSizeLength = 40.0f;
    const StrokeModifiers strokes[] = {StrokeModifiers{}, fading, waving};
    Surface sheet;
    sheet.create(kStrokeThumbnailWidth, kStrokeThumbnailHeight * std::size(strokes));
    int y = 0;
    for (const StrokeModifiers& stroke : strokes) {
        Surface thumbnail;
        DrawStrokeThumbnail(state, stroke, fading, thumbnail);
        thumbnail.drawInto(0, y, sheet);
        y += kStrokeThumbnailHeight;
    }
    EXPECT_EQ(state.strokeModifiers.fadeAmountLength, 8.0f);
    EXPECT_EQ(state.brush.tool, ToolId::PaintBrush);
    compare("stroke_thumbnails", sheet);
}

}  // namespace
}  // namespace dw
