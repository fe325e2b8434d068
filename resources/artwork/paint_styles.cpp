#include "resources/artwork/paint_styles.h"

#include <algorithm>
#include <cmath>

#include "resources/artwork/pattern_kit.h"

namespace dw::artwork {
namespace {

constexpr float kPi = 3.14159265f;

using Sampler = float (*)(float x, float y);

float smooth(float x, float y) {
    return 6.0f + 5.0f * fractalNoise(x, y, 10, 3, 0.5f, 11u);
}

float fineGrain(float x, float y) {
    const float mottle = fractalNoise(x, y, 25, 3, 0.6f, 21u);
    const float fleck = hashUnit(int(x), int(y), 22u) > 0.985f ? 10.0f : 0.0f;
    return 15.0f + 11.0f * mottle + fleck;
}

// Bristle marks: long, thin streaks that wander a little.
float bristle(float along, float across, uint32_t seed) {
    const float wander = 5.0f * gradientNoise(along, across, 3, seed);
    const float streak = streakNoise(along, across + wander, 5, 100, seed + 1u);
    const float fine = streakNoise(along, across + wander, 8, 200, seed + 2u);
    return 5.0f + 30.0f * streak * streak + 10.0f * fine;
}

float bristleAcross(float x, float y) {
    return bristle(x, y, 31u);
}

float bristleDown(float x, float y) {
    return bristle(y, x, 41u);
}

float speckle(float x, float y) {
    const CellDistances cell = cellNoise(x, y, 34, 0.9f, 51u);
    const float size = 0.8f + 1.6f * float(cell.id % 97u) / 96.0f;
    const float fleck =
        (cell.id % 3u) == 0 ? 1.0f - smoothStep(size - 0.6f, size + 0.6f, cell.nearest) : 0.0f;
    return 7.0f + 3.0f * fractalNoise(x, y, 20, 2, 0.5f, 52u) + 80.0f * fleck;
}

float granulation(float x, float y) {
    const float grains = fractalNoise(x, y, 50, 2, 0.45f, 61u);
    const float clusters = fractalNoise(x, y, 8, 2, 0.5f, 62u);
    return 10.0f + 46.0f * std::max(0.0f, grains + 0.35f * clusters - 0.05f);
}

float canvasShowing(float x, float y) {
    return 5.0f + 30.0f * wovenHeight(x, y, 5, 1, 0.95f, 0.25f, 71u);
}

float dryBrush(float x, float y) {
    // Along the diagonal: both diagonal coordinates repeat over the tile.
    const float along = x + y;
    const float across = x - y;
    const float streak = streakNoise(along, across, 3, 60, 81u);
    const float broken = smoothStep(0.45f, 0.75f, streak);
    const float texture = streakNoise(along, across, 10, 200, 82u);
    return 4.0f + 80.0f * broken * (0.6f + 0.4f * texture);
}

float mottled(float x, float y) {
    const float clouds = fractalNoise(x, y, 4, 4, 0.55f, 91u);
    return 16.0f + 30.0f * clouds;
}

float crossHatch(float x, float y) {
    const float spacing = 10.0f;
    const float a = std::fmod(x + y + 400.0f, spacing);
    const float b = std::fmod(x - y + 400.0f, spacing);
    const float lineA = 1.0f - smoothStep(0.6f, 1.8f, std::abs(a - spacing * 0.5f));
    const float lineB = 1.0f - smoothStep(0.6f, 1.8f, std::abs(b - spacing * 0.5f));
    const float fade = 0.6f + 0.4f * fractalNoise(x, y, 6, 2, 0.5f, 101u);
    return 5.0f + 34.0f * std::max(lineA, lineB * 0.8f) * fade;
}

float chalk(float x, float y) {
    const float tooth = fractalNoise(x, y, 40, 3, 0.55f, 111u);
    const float body = fractalNoise(x, y, 6, 2, 0.5f, 112u);
    return 22.0f + 50.0f * smoothStep(-0.25f, 0.35f, tooth + 0.3f * body);
}

float stipple(float x, float y) {
    const CellDistances cell = cellNoise(x, y, 40, 0.7f, 121u);
    const float dot = 1.0f - smoothStep(1.1f, 2.1f, cell.nearest);
    return 6.0f + 50.0f * dot * (0.7f + 0.3f * float(cell.id % 10u) / 9.0f);
}

float marble(float x, float y) {
    const float warp = 2.2f * fractalNoise(x, y, 3, 4, 0.55f, 131u);
    const float phase = 2.0f * kPi * (x + y) / float(kTile) * 2.0f + warp * kPi;
    const float vein = std::exp(-8.0f * std::abs(std::sin(phase)));
    return 8.0f + 60.0f * vein + 6.0f * fractalNoise(x, y, 16, 2, 0.5f, 132u);
}

float flowLines(float x, float y) {
    const float height = fractalNoise(x, y, 3, 3, 0.5f, 141u);
    const float contour = std::abs(std::sin(height * 9.0f * kPi));
    return 6.0f + 34.0f * std::pow(1.0f - contour, 6.0f) + 8.0f * (height + 1.0f);
}

float craquelure(float x, float y) {
    const CellDistances cell = cellNoise(x, y, 9, 0.9f, 151u);
    const float crack = smoothStep(0.3f, 1.4f, cell.edge);
    const float plate = 26.0f + 8.0f * fractalNoise(x, y, 12, 2, 0.5f, 152u);
    return plate * crack;
}

float glitter(float x, float y) {
    const CellDistances cell = cellNoise(x, y, 30, 0.95f, 171u);
    float sparkle = 0.0f;
    if ((cell.id % 4u) == 0) {
        sparkle = std::exp(-cell.nearest * cell.nearest / 1.2f);
    }
    return 9.0f + 5.0f * fractalNoise(x, y, 25, 2, 0.5f, 172u) + 150.0f * sparkle;
}

struct StyleRecipe {
    const char* title;
    Sampler sampler;
};

// Style 1 (paper), 15 (fibres) need whole-tile work and are built separately below.
const StyleRecipe kRecipes[kPatternPictures] = {
    {"Smooth", smooth},
    {"Paper", nullptr},
    {"Fine grain", fineGrain},
    {"Bristle", bristleAcross},
    {"Bristle down", bristleDown},
    {"Speckle", speckle},
    {"Granulation", granulation},
    {"Canvas", canvasShowing},
    {"Dry brush", dryBrush},
    {"Mottled", mottled},
    {"Cross-hatch", crossHatch},
    {"Chalk", chalk},
    {"Stipple", stipple},
    {"Marble", marble},
    {"Flow", flowLines},
    {"Fibres", nullptr},
    {"Crackle", craquelure},
    {"Glitter", glitter},
};

Field paperField() {
    Field field;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            field.at(x, y) = 90.0f + 12.0f * fractalNoise(float(x), float(y), 8, 5, 0.55f, 201u);
        }
    }
    Field fibres;
    stampFibres(fibres, 170, 10.0f, 45.0f, 0.55f, 16.0f, 202u);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            field.at(x, y) += fibres.at(x, y);
        }
    }
    return field;
}

Field fibreField() {
    Field field;
    stampFibres(field, 260, 15.0f, 70.0f, 0.6f, 48.0f, 161u);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            field.at(x, y) += 6.0f + 3.0f * fractalNoise(float(x), float(y), 10, 2, 0.5f, 162u);
        }
    }
    return field;
}

}  // namespace

const char* paintStyleTitle(int number) {
    return number >= 0 && number < kPatternPictures ? kRecipes[number].title : "";
}

Picture paintStylePicture(int number) {
    Field field;
    if (number == 1) {
        field = paperField();
    } else if (number == 15) {
        field = fibreField();
    } else if (number >= 0 && number < kPatternPictures) {
        for (int y = 0; y < kTile; ++y) {
            for (int x = 0; x < kTile; ++x) {
                field.at(x, y) = kRecipes[number].sampler(float(x), float(y));
            }
        }
    }
    return greyPicture(field);
}

}  // namespace dw::artwork
