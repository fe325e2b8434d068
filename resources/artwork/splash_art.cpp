#include "resources/artwork/impasto.h"
#include "resources/artwork/lettering.h"
#include "resources/artwork/paint_styles.h"
#include "resources/artwork/panel_art.h"
#include "resources/artwork/paper_textures.h"
#include "resources/artwork/ribbon.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {

using namespace colours;

namespace {

Ribbon swash(std::vector<Point> path, float radius, std::vector<Rgb> colours, uint32_t seed) {
    Ribbon r;
    r.path = std::move(path);
    r.radius = radius;
    r.colours = std::move(colours);
    r.gloss = 150;
    r.height = 5.0f;
    r.bristles = 0.45f;
    r.taperStart = 0.12f;
    r.taperEnd = 0.35f;
    r.seed = seed;
    r.overPaint = true;
    return r;
}

}  // namespace

Picture splashPicture() {
    const int width = layout::kSplashWidth;
    const int height = layout::kSplashHeight;
    const int band = 52;
    const Picture paper = paintStylePicture(1);
    const Picture canvasWeave = paperTexturePicture(3);

    useArtworkGlossMap();
    Canvas canvas;
    canvas.create(uint32_t(width), uint32_t(height - band));
    primeCanvas(canvas, Rgb{226, 220, 208}, paper, 0.16f, canvasWeave, 0.008f);

    const Ribbon swashes[] = {
        swash(quadraticCurve({-30, 34}, {110, -14}, {250, 30}), 26.0f,
              {{250, 200, 60}, {242, 150, 30}}, 3u),
        swash(quadraticCurve({-20, 84}, {50, 70}, {150, 14}), 15.0f, {{222, 70, 44}, {200, 40, 60}},
              5u),
        swash(quadraticCurve({290, 258}, {420, 196}, {560, 226}), 28.0f,
              {{40, 86, 186}, {30, 60, 150}}, 7u),
        swash(quadraticCurve({396, 276}, {460, 236}, {556, 176}), 17.0f,
              {{28, 140, 112}, {20, 110, 96}}, 11u),
        swash(quadraticCurve({404, 32}, {470, 6}, {552, 30}), 12.0f,
              {{222, 70, 44}, {236, 120, 40}}, 13u),
    };
    for (const Ribbon& ribbon : swashes) {
        paintRibbon(canvas, ribbon);
    }

    const float xHeight = 46.0f;
    const float spacing = 0.34f;
    const float titleWidth = wordWidth("Daubwerk", xHeight, spacing);
    const Point origin{(float(width) - titleWidth) * 0.5f, 166.0f};
    uint32_t seed = 101u;
    for (const auto& path : wordPaths("Daubwerk", origin, xHeight, spacing)) {
        Ribbon letter;
        letter.path = path;
        letter.radius = 7.0f;
        letter.colours = {{30, 36, 72}};
        letter.gloss = 235;
        letter.height = 7.0f;
        letter.bristles = 0.32f;
        letter.taperStart = 0.0f;
        letter.taperEnd = 0.0f;
        letter.seed = seed++;
        paintRibbon(canvas, letter);
    }

    Picture picture(width, height, kPanel);
    picture.paste(shadedPicture(canvas), 0, 0);
    picture.fillRect(0, height - band, width, height - band + 1, kLine);
    drawText(picture, 20, height - band + 14, "Daubwerk 0.1", kText, Weight::Bold);
    drawText(picture, 20, height - band + 29, "Painting with thick, wet, glossy paint", kTextSoft);
    return picture;
}

}  // namespace dw::artwork
