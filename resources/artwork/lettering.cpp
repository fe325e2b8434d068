#include "resources/artwork/lettering.h"

#include <cmath>

namespace dw::artwork {
namespace {

using Path = std::vector<Point>;

// Clockwise on screen from +x, in degrees.
Path arc(float cx, float cy, float r, float from, float to) {
    Path path;
    const int steps = std::max(4, int(std::abs(to - from) / 8.0f));
    for (int i = 0; i <= steps; ++i) {
        const float a = (from + (to - from) * float(i) / float(steps)) * 3.14159265f / 180.0f;
        path.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return path;
}

Path join(Path a, const Path& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

LetterPaths letterPaths(char letter) {
    switch (letter) {
        case 'D':
            return {1.05f,
                    {{{0.0f, 0.0f}, {0.0f, -1.45f}},
                     join(join({{0.0f, -1.45f}, {0.3f, -1.45f}},
                               arc(0.3f, -0.725f, 0.725f, -90.0f, 90.0f)),
                          {{0.3f, 0.0f}, {0.0f, 0.0f}})}};
        case 'a':
            return {0.95f, {arc(0.45f, -0.5f, 0.45f, 0.0f, 360.0f), {{0.9f, -1.0f}, {0.9f, 0.0f}}}};
        case 'b':
            return {0.95f,
                    {{{0.0f, -1.45f}, {0.0f, 0.0f}}, arc(0.45f, -0.5f, 0.45f, 180.0f, 540.0f)}};
        case 'u':
            return {0.85f,
                    {join({{0.0f, -1.0f}}, arc(0.4f, -0.45f, 0.4f, 180.0f, 0.0f)),
                     {{0.8f, -1.0f}, {0.8f, 0.0f}}}};
        case 'w':
            return {1.25f,
                    {{{0.0f, -1.0f}, {0.3f, 0.0f}, {0.6f, -0.85f}, {0.9f, 0.0f}, {1.2f, -1.0f}}}};
        case 'e':
            return {
                0.95f,
                {join({{0.05f, -0.5f}, {0.9f, -0.5f}}, arc(0.475f, -0.5f, 0.45f, 0.0f, -300.0f))}};
        case 'r':
            return {0.65f,
                    {{{0.0f, -1.0f}, {0.0f, 0.0f}}, arc(0.45f, -0.55f, 0.45f, 180.0f, 300.0f)}};
        case 'k':
            return {0.8f,
                    {{{0.0f, -1.45f}, {0.0f, 0.0f}},
                     {{0.72f, -1.0f}, {0.0f, -0.38f}},
                     {{0.28f, -0.6f}, {0.78f, 0.0f}}}};
        default:
            return {0.5f, {}};
    }
}

std::vector<std::vector<Point>> wordPaths(std::string_view word, Point origin, float xHeight,
                                          float spacing) {
    std::vector<std::vector<Point>> paths;
    float x = origin.x;
    for (char c : word) {
        const LetterPaths letter = letterPaths(c);
        for (const Path& stroke : letter.strokes) {
            Path placed;
            for (const Point& p : stroke) {
                placed.push_back({x + p.x * xHeight, origin.y + p.y * xHeight});
            }
            paths.push_back(std::move(placed));
        }
        x += (letter.advance + spacing) * xHeight;
    }
    return paths;
}

float wordWidth(std::string_view word, float xHeight, float spacing) {
    float width = 0.0f;
    for (char c : word) {
        width += (letterPaths(c).advance + spacing) * xHeight;
    }
    return word.empty() ? 0.0f : width - spacing * xHeight;
}

}  // namespace dw::artwork
