#include "resources/artwork/paper_textures.h"

#include <algorithm>
#include <cmath>

#include "resources/artwork/paint_styles.h"
#include "resources/artwork/pattern_kit.h"

namespace dw::artwork {
namespace {

constexpr float kPi = 3.14159265f;

// Each recipe gives a relief of 0 (deepest) to 1 (top); the picture maps it onto
// floor..255 and softens it by `blur` pixels.
struct TextureRecipe {
    const char* title;
    float (*relief)(float x, float y);
    float floor;
    int blur;
};

float even(float x, float y) {
    return 0.5f + 0.5f * fractalNoise(x, y, 20, 2, 0.5f, 301u);
}

float hotPress(float x, float y) {
    return 0.5f + 0.5f * fractalNoise(x, y, 40, 3, 0.55f, 311u);
}

float coldPress(float x, float y) {
    const float hills = fractalNoise(x, y, 10, 4, 0.55f, 321u);
    const float tooth = fractalNoise(x, y, 40, 2, 0.5f, 322u);
    return std::clamp(0.2f + 0.7f * smoothStep(-0.55f, 0.6f, hills) + 0.15f * tooth, 0.0f, 1.0f);
}

float canvas(float x, float y) {
    const float weave = wovenHeight(x, y, 5, 1, 0.95f, 0.35f, 331u);
    return std::clamp(0.25f + 0.8f * weave + 0.08f * fractalNoise(x, y, 40, 2, 0.5f, 332u), 0.0f,
                      1.0f);
}

float roughWatercolour(float x, float y) {
    const float hills = fractalNoise(x, y, 6, 5, 0.6f, 341u);
    const CellDistances lumps = cellNoise(x, y, 16, 1.0f, 342u);
    const float lump = smoothStep(0.0f, 5.0f, lumps.edge);
    return std::clamp(0.15f + 0.65f * smoothStep(-0.5f, 0.55f, hills) + 0.2f * lump, 0.0f, 1.0f);
}

float linen(float x, float y) {
    return std::clamp(0.15f + 0.9f * wovenHeight(x, y, 4, 1, 0.9f, 0.8f, 351u), 0.0f, 1.0f);
}

float burlap(float x, float y) {
    const float weave = wovenHeight(x, y, 10, 1, 0.78f, 0.5f, 361u);
    const float hairs = 0.12f * fractalNoise(x, y, 50, 2, 0.5f, 362u);
    return std::clamp(weave + hairs, 0.0f, 1.0f);
}

float woodGrain(float x, float y) {
    const float warp = 3.0f * fractalNoise(x, y, 2, 3, 0.5f, 371u);
    const float rings = std::sin(2.0f * kPi * (y / float(kTile) * 12.0f + warp * 0.35f));
    const float groove = smoothStep(0.55f, 1.0f, rings);
    const float pores = streakNoise(x, y, 20, 100, 372u);
    return std::clamp(0.95f - 0.6f * groove - 0.25f * smoothStep(0.7f, 0.95f, pores), 0.0f, 1.0f);
}

float crackle(float x, float y) {
    const CellDistances plates = cellNoise(x, y, 8, 0.95f, 381u);
    const CellDistances fine = cellNoise(x, y, 22, 0.9f, 382u);
    const float crack = smoothStep(0.3f, 1.6f, plates.edge);
    const float hairline = 0.3f * (1.0f - smoothStep(0.1f, 0.8f, fine.edge));
    // Each plate curls up a little toward its edges, as dried paint does.
    const float curl = 0.9f + 0.1f * (1.0f - smoothStep(0.0f, 10.0f, plates.edge));
    return std::clamp(curl * crack - hairline * crack, 0.0f, 1.0f);
}

float sandpaper(float x, float y) {
    const float grit = hashUnit(int(std::floor(x)), int(std::floor(y)), 391u);
    const CellDistances cell = cellNoise(x, y, 60, 1.0f, 392u);
    const float grain = 1.0f - smoothStep(0.5f, 2.0f, cell.nearest);
    return std::clamp(0.35f + 0.45f * grain + 0.2f * grit, 0.0f, 1.0f);
}

float plaster(float x, float y) {
    const float blobs = fractalNoise(x, y, 8, 4, 0.6f, 401u);
    const float plateau = smoothStep(-0.1f, 0.15f, blobs);
    return 0.45f + 0.45f * plateau + 0.1f * fractalNoise(x, y, 30, 2, 0.5f, 402u);
}

float laidPaper(float x, float y) {
    const float laid = 0.5f + 0.5f * std::cos(2.0f * kPi * y / 4.0f);
    const float chain = std::exp(-std::pow(std::fmod(x + 400.0f, 25.0f) - 12.5f, 2.0f) / 2.0f);
    return std::clamp(
        0.92f - 0.18f * laid - 0.3f * chain + 0.06f * fractalNoise(x, y, 30, 2, 0.5f, 411u), 0.0f,
        1.0f);
}

float hammered(float x, float y) {
    // Each blow leaves a shallow bowl; the bowls meet in low ridges.
    const CellDistances dent = cellNoise(x, y, 13, 1.0f, 431u);
    const float size = float(kTile) / 13.0f;
    const float bowl =
        std::min(1.0f, (dent.nearest / (0.75f * size)) * (dent.nearest / (0.75f * size)));
    return std::clamp(0.3f + 0.7f * bowl + 0.04f * fractalNoise(x, y, 30, 2, 0.5f, 432u), 0.0f,
                      1.0f);
}

float pebbles(float x, float y) {
    // A rounded stone in every cell: the height follows how far across its cell a point lies.
    const CellDistances stone = cellNoise(x, y, 9, 0.85f, 441u);
    const float across = stone.nearest / std::max(stone.nearest + stone.edge, 1e-3f);
    const float dome = std::sqrt(std::max(0.0f, 1.0f - across * across * across));
    const float shade = 0.8f + 0.2f * float(stone.id % 7u) / 6.0f;
    return std::clamp(dome * shade + 0.05f * fractalNoise(x, y, 40, 2, 0.5f, 442u), 0.0f, 1.0f);
}

float leather(float x, float y) {
    const CellDistances cell = cellNoise(x, y, 24, 0.9f, 451u);
    const float groove = 1.0f - smoothStep(0.2f, 1.3f, cell.edge);
    const float pore = hashUnit(int(x), int(y), 452u) > 0.993f ? 0.4f : 0.0f;
    return std::clamp(0.9f - 0.5f * groove - pore + 0.08f * fractalNoise(x, y, 8, 2, 0.5f, 453u),
                      0.0f, 1.0f);
}

float bark(float x, float y) {
    const float wander = 6.0f * fractalNoise(x, y, 3, 2, 0.5f, 461u);
    const float ridges = streakNoise(y, x + wander, 3, 26, 462u);
    const float fissure = 1.0f - smoothStep(0.22f, 0.42f, ridges);
    const float rough = fractalNoise(x, y, 30, 2, 0.5f, 463u);
    return std::clamp(0.85f - 0.6f * fissure + 0.12f * rough, 0.0f, 1.0f);
}

float twill(float x, float y) {
    return std::clamp(0.1f + 0.95f * wovenHeight(x, y, 10, 2, 0.9f, 0.25f, 471u), 0.0f, 1.0f);
}

const TextureRecipe kRecipes[kPatternPictures] = {
    {"Even", even, 226.0f, 1},
    {"Hot-press paper", hotPress, 200.0f, 0},
    {"Cold-press paper", coldPress, 140.0f, 1},
    {"Canvas", canvas, 185.0f, 1},
    {"Rough watercolour", roughWatercolour, 110.0f, 1},
    {"Linen", linen, 120.0f, 0},
    {"Burlap", burlap, 60.0f, 1},
    {"Wood", woodGrain, 110.0f, 1},
    {"Crackle", crackle, 70.0f, 0},
    {"Sandpaper", sandpaper, 130.0f, 0},
    {"Plaster", plaster, 120.0f, 1},
    {"Laid paper", laidPaper, 150.0f, 0},
    {"Handmade paper", nullptr, 150.0f, 1},
    {"Hammered", hammered, 110.0f, 1},
    {"Pebbles", pebbles, 70.0f, 1},
    {"Leather", leather, 110.0f, 0},
    {"Bark", bark, 90.0f, 1},
    {"Twill", twill, 110.0f, 1},
};

float handmadeRelief(const Field& fibres, int x, int y) {
    const float lumps = fractalNoise(float(x), float(y), 7, 4, 0.55f, 421u);
    return std::clamp(0.7f + 0.25f * lumps - fibres.at(x, y), 0.0f, 1.0f);
}

}  // namespace

const char* paperTextureTitle(int number) {
    return number >= 0 && number < kPatternPictures ? kRecipes[number].title : "";
}

Picture paperTexturePicture(int number) {
    Field field;
    if (number < 0 || number >= kPatternPictures) {
        return greyPicture(field);
    }
    const TextureRecipe& recipe = kRecipes[number];
    Field fibres;
    if (recipe.relief == nullptr) {
        stampFibres(fibres, 220, 12.0f, 50.0f, 0.7f, 0.45f, 422u);
    }
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const float relief =
                recipe.relief ? recipe.relief(float(x), float(y)) : handmadeRelief(fibres, x, y);
            field.at(x, y) = recipe.floor + (255.0f - recipe.floor) * relief;
        }
    }
    field.blur(recipe.blur);
    return greyPicture(field);
}

}  // namespace dw::artwork
