#pragma once

#include <string_view>
#include <vector>

#include "resources/artwork/shapes.h"

namespace dw::artwork {

// Monoline lowercase letters (and a capital D) as pen paths, for painting words with a
// brush. Coordinates are in units of the x-height with the baseline at y = 0 and y growing
// downward; ascenders reach y = -1.45.
struct LetterPaths {
    float advance = 0.0f;
    std::vector<std::vector<Point>> strokes;
};

LetterPaths letterPaths(char letter);
// The strokes of a word placed with its baseline at (x, y) at the given x-height in pixels.
std::vector<std::vector<Point>> wordPaths(std::string_view word, Point origin, float xHeight,
                                          float spacing);
float wordWidth(std::string_view word, float xHeight, float spacing);

}  // namespace dw::artwork
