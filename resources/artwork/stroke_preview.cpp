#include "resources/artwork/stroke_preview.h"

#include <cmath>
#include <string>

#include "resources/artwork/bitmap_font.h"
#include "resources/artwork/impasto.h"
#include "resources/artwork/panel_mockups.h"
#include "resources/artwork/theme.h"

namespace dw::artwork {
namespace {

constexpr int kWidth = 1080;
constexpr int kHeight = 560;
constexpr int kCell = 58;

const Rgb kColours[] = {{214, 62, 38},  {244, 186, 36}, {38, 76, 170}, {26, 128, 104},
                        {120, 60, 140}, {0, 200, 45},   {30, 30, 36},  {236, 232, 224}};

std::vector<Point> wavyPath(float x, float y, float length) {
    std::vector<Point> path;
    for (int i = 0; i <= 12; ++i) {
        const float t = float(i) / 12.0f;
        path.push_back({x + length * t, y + 6.0f * std::sin(t * 5.0f)});
    }
    return path;
}

void setColour(ImpastoBrush& brush, Rgb c) {
    brush.red = toByte(c.r);
    brush.green = toByte(c.g);
    brush.blue = toByte(c.b);
}

}  // namespace

Picture strokePreview(const std::vector<ArtworkEntry>& entries) {
    std::vector<Picture> styles(18);
    std::vector<Picture> textures(18);
    for (const ArtworkEntry& entry : entries) {
        if (entry.folder == "Styles/") {
            styles[std::stoi(entry.name.substr(5))] = storedPicture(entry);
        } else if (entry.folder == "Textures/") {
            textures[std::stoi(entry.name.substr(4))] = storedPicture(entry);
        }
    }
    useArtworkGlossMap();
    Canvas canvas;
    canvas.create(kWidth, kHeight);
    ImpastoPainter painter(canvas);
    ImpastoBrush brush;
    brush.size = 16;
    brush.amount = 0.5f;
    brush.thickness = 10.0f;
    brush.gloss = 20;
    brush.texture = &textures[3];

    // Row 1: every paint style with the default texture.
    for (int i = 0; i < 18; ++i) {
        brush.style = &styles[i];
        setColour(brush, kColours[i % 8]);
        painter.stroke(wavyPath(20.0f + float(i) * kCell, 50.0f, 30.0f), brush, 1.5f);
    }
    // Row 2: every texture with the default paint style.
    brush.style = &styles[2];
    for (int i = 0; i < 18; ++i) {
        brush.texture = i == 0 ? nullptr : &textures[i];
        setColour(brush, kColours[(i + 3) % 8]);
        painter.stroke(wavyPath(20.0f + float(i) * kCell, 150.0f, 30.0f), brush, 1.5f);
    }
    // Row 3: gloss levels, thick strokes.
    brush.texture = &textures[3];
    brush.size = 24;
    const int glossLevels[] = {0, 20, 60, 120, 190, 255};
    for (int i = 0; i < 6; ++i) {
        brush.gloss = uint8_t(glossLevels[i]);
        setColour(brush, kColours[i % 4]);
        painter.stroke(wavyPath(30.0f + float(i) * 175.0f, 270.0f, 120.0f), brush, 1.5f);
    }
    // Row 4: Tube Paint, a crossing of strokes, and big dabs as the brush preview makes them.
    brush.tube = true;
    brush.gloss = 120;
    brush.size = 20;
    setColour(brush, kColours[2]);
    painter.stroke({{40, 380}, {200, 420}, {360, 380}}, brush, 1.5f);
    brush.tube = false;
    setColour(brush, kColours[1]);
    painter.stroke({{60, 440}, {200, 370}, {340, 450}}, brush, 1.5f);
    brush.size = 30;
    brush.gloss = 20;
    setColour(brush, kColours[5]);
    brush.offsetX = 100;
    brush.offsetY = 100;
    for (int i = 0; i < 6; ++i) {
        painter.dab(500, 440, brush);
    }
    brush.gloss = 255;
    setColour(brush, kColours[0]);
    for (int i = 0; i < 6; ++i) {
        painter.dab(640, 440, brush);
    }
    // The brush preview's paper: half the brush colour, style 1 at half strength, glossy.
    canvas.fillAreaWithPaper(0, 200, 45, styles[1].toSurface(), 760, 380, 1060, 500);
    Picture picture = shadedPicture(canvas);
    for (int i = 0; i < 18; ++i) {
        drawText(picture, 20 + i * kCell, 80, "paint" + std::to_string(i), colours::kTextSoft);
        drawText(picture, 20 + i * kCell, 180, "bump" + std::to_string(i), colours::kTextSoft);
    }
    for (int i = 0; i < 6; ++i) {
        drawText(picture, 30 + i * 175, 305, "gloss " + std::to_string(glossLevels[i]),
                 colours::kTextSoft);
    }
    drawText(picture, 40, 470, "Tube Paint under Paint Brush", colours::kTextSoft);
    drawText(picture, 450, 485, "Preview dabs, gloss 20 and 255", colours::kTextSoft);
    drawText(picture, 760, 505, "Preview paper (style 1)", colours::kTextSoft);
    return picture;
}

}  // namespace dw::artwork
