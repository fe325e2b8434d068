#include <cmath>

#include "resources/artwork/pictograms.h"

namespace dw::artwork {

Shape bar(Point a, Point b, float wa, float wb) {
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    const float nx = -(b.y - a.y) / length;
    const float ny = (b.x - a.x) / length;
    return polygon({{a.x + nx * wa, a.y + ny * wa},
                    {b.x + nx * wb, b.y + ny * wb},
                    {b.x - nx * wb, b.y - ny * wb},
                    {a.x - nx * wa, a.y - ny * wa}});
}

Shape sparkle(float cx, float cy, float radius) {
    const float waist = radius * 0.22f;
    return polygon({{cx, cy - radius},
                    {cx + waist, cy - waist},
                    {cx + radius, cy},
                    {cx + waist, cy + waist},
                    {cx, cy + radius},
                    {cx - waist, cy + waist},
                    {cx - radius, cy},
                    {cx - waist, cy - waist}});
}

}  // namespace dw::artwork
