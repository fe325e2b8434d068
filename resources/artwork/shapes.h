#pragma once

#include <functional>
#include <vector>

#include "resources/artwork/picture.h"

namespace dw::artwork {

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

// A shape is its signed distance in pixels: negative inside, positive outside. Pixel
// centres sit at half-integer positions, so a shape from (2, 2) to (5, 5) covers exactly
// the pixels 2, 3 and 4 in each direction, with clean edges.
using Shape = std::function<float(float x, float y)>;
// Colour of a fill at a position, for gradients and shading.
using Paint = std::function<Rgb(float x, float y)>;

Shape circle(float cx, float cy, float radius);
Shape ellipse(float cx, float cy, float rx, float ry);
// Rectangle with rounded corners; radius 0 gives sharp corners.
Shape roundedBox(float x0, float y0, float x1, float y1, float radius);
// Segment a-b with round ends: a line of width 2 * radius.
Shape capsule(Point a, Point b, float radius);
// Capsule whose radius runs from ra at a to rb at b.
Shape taperedCapsule(Point a, Point b, float ra, float rb);
Shape polygon(std::vector<Point> corners);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape grow(Shape s, float by);
// The band of the given width along the shape's edge.
Shape ring(Shape s, float width);
// The shape turned by angle (degrees, clockwise on screen) about (cx, cy).
Shape rotated(Shape s, float degrees, float cx, float cy);

// End-exclusive pixel rectangle that limits a fill; the default is the whole picture.
struct Region {
    int x0 = -1000000;
    int y0 = -1000000;
    int x1 = 1000000;
    int y1 = 1000000;
};
Region around(Point centre, float radius);

// Antialiased fill: the coverage of each pixel follows from the distance at its centre.
void fill(Picture& picture, const Shape& shape, Rgb colour, float opacity = 1.0f,
          Region region = {});
void fill(Picture& picture, const Shape& shape, const Paint& paint, float opacity = 1.0f,
          Region region = {});
// A filled part with a dark outline around it, the way every pictogram part is drawn.
void sticker(Picture& picture, const Shape& shape, const Paint& paint, Rgb ink, float inkWidth);
void sticker(Picture& picture, const Shape& shape, Rgb colour, Rgb ink, float inkWidth);

Paint solid(Rgb colour);
// Colour ramp from a at p0 to b at p1, constant beyond.
Paint linearGradient(Point p0, Rgb a, Point p1, Rgb b);
// Soft spherical shading: light from the upper left.
Paint sphereShade(float cx, float cy, float radius, Rgb base);

}  // namespace dw::artwork
