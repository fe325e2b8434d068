#pragma once

#include <cstdint>
#include <vector>

#include "canvas/canvas.h"
#include "resources/artwork/picture.h"
#include "resources/artwork/shapes.h"

namespace dw::artwork {

// One loaded brush stroke laid straight into the cells: a rounded bead of paint along a
// path, combed by bristles along its length and tapered at its ends. Used where a picture
// wants deliberate, even strokes (the splash title, the icon) rather than dabs.
struct Ribbon {
    std::vector<Point> path;
    float radius = 10.0f;
    // Colour along the stroke, from its start (first) to its end (last), evenly spaced.
    std::vector<Rgb> colours;
    uint8_t gloss = 200;
    float height = 6.0f;       // height of the bead's crest, in cell height units
    float bristles = 0.25f;    // depth of the bristle combing, as a share of the height
    float taperStart = 0.15f;  // share of the length over which the stroke swells at its start
    float taperEnd = 0.3f;     // and thins out at its end
    uint32_t seed = 1;
    // Laid over earlier paint (the bead sits on what is there) rather than merged with it.
    bool overPaint = false;
};

void paintRibbon(Canvas& canvas, const Ribbon& ribbon);

// Points along the quadratic curve from a to b bent toward control.
std::vector<Point> quadraticCurve(Point a, Point control, Point b, int steps = 40);

}  // namespace dw::artwork
