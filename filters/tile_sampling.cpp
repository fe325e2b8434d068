#include "filters/tile_sampling.h"

namespace dw {
namespace {

// Numbers past the last image read the last one, as they do for the tools.
int patternIndex(int number) {
    return number < 0 ? 0 : (number >= kPatternCount ? kPatternCount - 1 : number);
}

}  // namespace

std::vector<uint8_t> tiledColumns(float offsetX, uint32_t width) {
    std::vector<uint8_t> columns(width);
    for (uint32_t x = 0; x < width; ++x) {
        columns[x] = uint8_t(tiledCoordinate(offsetX, x));
    }
    return columns;
}

const PatternTile& styleTile(const PatternImages& patterns, int number) {
    return patterns.styleTiles[patternIndex(number)];
}

const PatternTile& textureTile(const PatternImages& patterns, int number) {
    return patterns.textureTiles[patternIndex(number)];
}

}  // namespace dw
