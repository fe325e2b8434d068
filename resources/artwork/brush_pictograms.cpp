#include <cmath>

#include "resources/artwork/pictograms.h"

namespace dw::artwork {

using namespace ink;

namespace {

Paint woodGrain(Point a, Point b) {
    return linearGradient(a, kWood, b, kWoodDark);
}

// Metal catches the light across its width: bright on the upper-left side.
Paint metalAcross(Point a, Point b) {
    return linearGradient(a, Rgb{236, 240, 245}, b, kMetalDark);
}

}  // namespace

void drawPaintBrush(Picture& p) {
    const Shape handle = taperedCapsule({25.2f, 4.8f}, {18.4f, 11.6f}, 1.6f, 2.4f);
    const Shape ferrule = bar({19.0f, 11.0f}, {14.8f, 15.2f}, 2.6f, 3.0f);
    const Shape bristles = taperedCapsule({15.0f, 15.0f}, {7.2f, 22.8f}, 2.9f, 0.5f);
    sticker(p, handle, woodGrain({19.5f, 6.5f}, {23.5f, 10.5f}), kOutline, kOutlineWidth);
    sticker(p, ferrule, metalAcross({14.0f, 10.5f}, {19.0f, 15.5f}), kOutline, kOutlineWidth);
    sticker(p, bristles,
            linearGradient({14.0f, 16.0f}, Rgb{120, 76, 48}, {11.0f, 19.0f}, kPaintRed), kOutline,
            kOutlineWidth);
    fill(p, capsule({11.0f, 17.4f}, {9.0f, 19.6f}, 0.7f), Rgb{250, 160, 140}, 0.8f);
}

void drawTubePaint(Picture& p) {
    // Drawn lying flat, then turned so that the nozzle points down to the left.
    const float turn = -38.0f;
    const float cx = 16.0f;
    const float cy = 14.0f;
    const Shape body = polygon({{10.5f, 10.0f}, {23.0f, 9.2f}, {23.0f, 18.8f}, {10.5f, 18.0f}});
    const Shape shoulder = polygon({{11.0f, 10.0f}, {11.0f, 18.0f}, {7.5f, 15.8f}, {7.5f, 12.2f}});
    const Shape crimp = roundedBox(22.5f, 8.3f, 26.0f, 19.7f, 0.8f);
    const Shape nozzle = roundedBox(4.8f, 12.4f, 8.0f, 15.6f, 0.8f);
    const Shape label = polygon({{13.5f, 9.8f}, {19.5f, 9.4f}, {19.5f, 18.6f}, {13.5f, 18.2f}});
    const Paint bright = linearGradient({12.0f, 6.0f}, kWhite, {20.0f, 20.0f}, Rgb{196, 202, 210});
    sticker(p, rotated(nozzle, turn, cx, cy), Rgb{90, 96, 106}, kOutline, kOutlineWidth);
    sticker(p, rotated(unite(body, shoulder), turn, cx, cy), bright, kOutline, kOutlineWidth);
    fill(p, rotated(label, turn, cx, cy), kPaintBlue);
    fill(p, rotated(roundedBox(14.8f, 11.8f, 18.2f, 16.2f, 1.0f), turn, cx, cy), kWhite, 0.85f);
    sticker(p, rotated(crimp, turn, cx, cy), Rgb{170, 178, 190}, kOutline, kOutlineWidth);
    for (int i = 0; i < 3; ++i) {
        const float y = 10.5f + 3.5f * float(i);
        fill(p, rotated(roundedBox(23.2f, y, 25.3f, y + 1.0f, 0.3f), turn, cx, cy), kMetalDark);
    }
    // The worm of paint pressed out of the nozzle.
    const Shape worm = unite(capsule({6.8f, 21.0f}, {10.5f, 22.6f}, 1.9f),
                             capsule({10.5f, 22.6f}, {14.5f, 22.0f}, 1.6f));
    sticker(p, worm, linearGradient({8.0f, 19.5f}, Rgb{120, 160, 240}, {8.0f, 24.0f}, kPaintBlue),
            kOutline, kOutlineWidth);
}

void drawSprayPaint(Picture& p) {
    const Shape can = roundedBox(15.0f, 10.5f, 24.0f, 24.5f, 2.0f);
    const Shape top = roundedBox(16.0f, 7.5f, 23.0f, 11.5f, 2.0f);
    const Shape nozzle = roundedBox(17.2f, 4.5f, 20.5f, 8.0f, 0.8f);
    sticker(p, nozzle, Rgb{70, 74, 82}, kOutline, kOutlineWidth);
    sticker(p, top, linearGradient({15.0f, 0.0f}, kWhite, {23.0f, 0.0f}, kMetalDark), kOutline,
            kOutlineWidth);
    sticker(p, can,
            linearGradient({15.0f, 0.0f}, Rgb{80, 190, 170}, {24.0f, 0.0f}, Rgb{20, 118, 110}),
            kOutline, kOutlineWidth);
    fill(p, roundedBox(15.0f, 15.0f, 24.0f, 19.5f, 0.0f), kWhite, 0.9f);
    fill(p, roundedBox(17.0f, 16.3f, 22.0f, 18.2f, 0.5f), kPaintRed);
    // A cone of droplets from the nozzle, finer and sparser further out.
    const Point dots[] = {{14.3f, 6.0f}, {12.3f, 4.4f}, {11.8f, 8.0f}, {9.8f, 5.8f}, {9.2f, 9.8f},
                          {7.6f, 4.0f},  {7.0f, 7.6f},  {5.4f, 10.6f}, {5.0f, 5.4f}, {10.6f, 3.4f},
                          {3.8f, 8.0f},  {7.2f, 12.4f}, {13.0f, 10.2f}};
    for (std::size_t i = 0; i < std::size(dots); ++i) {
        const float distance = std::hypot(dots[i].x - 17.0f, dots[i].y - 6.0f);
        const float radius = 1.35f - distance * 0.055f;
        fill(p, circle(dots[i].x, dots[i].y, radius), kPaintRed, 1.0f, around(dots[i], 3.0f));
    }
}

void drawGelBrush(Picture& p) {
    const Shape drop =
        unite(circle(16.0f, 17.0f, 7.0f),
              polygon({{16.0f, 4.0f}, {9.9f, 13.5f}, {16.0f, 17.0f}, {22.1f, 13.5f}}));
    sticker(p, drop,
            linearGradient({11.0f, 6.0f}, Rgb{214, 238, 250}, {20.0f, 24.0f}, Rgb{92, 164, 222}),
            Rgb{34, 76, 124}, kOutlineWidth);
    // Clear gel: the highlight and the bright caustic at the bottom sell the transparency.
    fill(p, rotated(ellipse(12.6f, 16.0f, 1.6f, 3.4f), 20.0f, 12.6f, 16.0f), kWhite, 0.95f);
    fill(p,
         intersect(ring(circle(16.0f, 17.0f, 4.8f), 1.3f),
                   roundedBox(13.0f, 19.0f, 22.0f, 24.0f, 0.0f)),
         Rgb{236, 248, 255}, 0.9f);
    fill(p, circle(20.0f, 12.5f, 0.9f), kWhite, 0.8f);
}

void drawKnife(Picture& p) {
    const Shape handle = taperedCapsule({25.6f, 4.6f}, {20.6f, 9.6f}, 1.7f, 2.4f);
    const Shape ferrule = bar({21.1f, 9.1f}, {19.2f, 11.0f}, 2.3f, 1.9f);
    const Shape shank = capsule({19.2f, 11.0f}, {17.0f, 15.0f}, 0.9f);
    const Shape blade = taperedCapsule({14.6f, 17.2f}, {7.4f, 22.6f}, 3.4f, 1.2f);
    sticker(p, shank, kMetalDark, kOutline, kOutlineWidth);
    sticker(p, blade, metalAcross({7.0f, 16.0f}, {14.0f, 24.0f}), kOutline, kOutlineWidth);
    fill(p, intersect(blade, circle(8.0f, 22.5f, 4.0f)), kPaintYellow);
    fill(p, intersect(blade, ring(circle(8.0f, 22.5f, 4.0f), 0.9f)), Rgb{190, 140, 20});
    sticker(p, handle, woodGrain({20.0f, 5.5f}, {25.0f, 10.5f}), kOutline, kOutlineWidth);
    sticker(p, ferrule, metalAcross({18.0f, 8.0f}, {22.0f, 12.0f}), kOutline, kOutlineWidth);
}

void drawFinger(Picture& p) {
    const Rgb skin{244, 204, 170};
    const Rgb skinShade{206, 150, 114};
    // The smear the fingertip pushes along.
    const Shape smear = unite(taperedCapsule({4.5f, 19.5f}, {10.5f, 22.5f}, 0.9f, 2.6f),
                              taperedCapsule({10.5f, 22.5f}, {17.0f, 23.2f}, 2.6f, 1.2f));
    sticker(p, smear, linearGradient({4.0f, 20.0f}, Rgb{250, 150, 120}, {14.0f, 24.0f}, kPaintRed),
            kOutline, kOutlineWidth);
    // A hand pointing down to the left: drawn pointing left, then turned.
    const float turn = -32.0f;
    const float cx = 16.0f;
    const float cy = 13.0f;
    const Paint skinPaint = linearGradient({12.0f, 6.0f}, skin, {22.0f, 20.0f}, skinShade);
    const Shape index = rotated(capsule({6.0f, 11.0f}, {17.0f, 11.0f}, 2.2f), turn, cx, cy);
    const Shape fist = rotated(roundedBox(14.0f, 8.8f, 25.0f, 20.5f, 4.0f), turn, cx, cy);
    const Shape cuff = rotated(roundedBox(24.0f, 8.4f, 27.0f, 20.8f, 1.0f), turn, cx, cy);
    sticker(p, cuff, Rgb{70, 112, 190}, kOutline, kOutlineWidth);
    fill(p, grow(unite(index, fist), kOutlineWidth), kOutline);
    fill(p, unite(index, fist), skinPaint);
    // Folded fingers and the thumb, as creases.
    for (float y : {14.6f, 17.6f}) {
        fill(p, rotated(capsule({14.8f, y}, {19.0f, y}, 0.45f), turn, cx, cy), kOutline);
    }
    fill(p, rotated(capsule({15.0f, 9.2f}, {21.5f, 11.6f}, 0.45f), turn, cx, cy), skinShade);
    const Shape nail = rotated(roundedBox(6.2f, 9.0f, 9.6f, 11.2f, 1.0f), turn, cx, cy);
    fill(p, nail, Rgb{252, 230, 216});
}

void drawSponge(Picture& p) {
    const float cx = 16.0f;
    const float cy = 14.0f;
    const float turn = -12.0f;
    const Shape side = rotated(roundedBox(5.0f, 11.0f, 27.0f, 23.5f, 4.0f), turn, cx, cy);
    const Shape face = rotated(roundedBox(5.0f, 7.5f, 27.0f, 20.0f, 4.0f), turn, cx, cy);
    sticker(p, side, Rgb{214, 160, 44}, kOutline, kOutlineWidth);
    sticker(p, face,
            linearGradient({8.0f, 6.0f}, Rgb{252, 220, 110}, {22.0f, 20.0f}, Rgb{238, 186, 58}),
            kOutline, kOutlineWidth);
    const Point pores[] = {{9.0f, 11.5f},  {13.0f, 9.8f},  {17.5f, 12.0f}, {22.0f, 9.0f},
                           {11.0f, 16.0f}, {15.0f, 15.5f}, {20.0f, 15.8f}, {24.0f, 13.2f},
                           {8.0f, 18.0f},  {18.5f, 8.5f}};
    for (std::size_t i = 0; i < std::size(pores); ++i) {
        const float radius = 0.9f + 0.35f * float(i % 3);
        const Shape pore = rotated(circle(pores[i].x, pores[i].y, radius), turn, cx, cy);
        fill(p, intersect(pore, grow(face, -0.8f)), Rgb{190, 134, 30});
    }
}

void drawEraser(Picture& p) {
    const float cx = 16.0f;
    const float cy = 13.0f;
    const float turn = -32.0f;
    const Shape side = rotated(roundedBox(6.0f, 12.5f, 26.0f, 20.5f, 2.0f), turn, cx, cy);
    const Shape top = rotated(roundedBox(6.0f, 8.0f, 26.0f, 17.0f, 2.0f), turn, cx, cy);
    const Shape sleeve = rotated(roundedBox(15.5f, 7.0f, 26.0f, 21.5f, 0.0f), turn, cx, cy);
    sticker(p, side, Rgb{206, 108, 120}, kOutline, kOutlineWidth);
    fill(p, intersect(side, sleeve), Rgb{40, 84, 160});
    sticker(p, top,
            linearGradient({6.0f, 10.0f}, Rgb{252, 178, 186}, {16.0f, 20.0f}, Rgb{236, 132, 146}),
            kOutline, kOutlineWidth);
    fill(p, intersect(top, sleeve),
         linearGradient({14.0f, 4.0f}, Rgb{110, 160, 236}, {22.0f, 16.0f}, Rgb{56, 108, 196}));
    const Shape seam = rotated(capsule({15.5f, 0.0f}, {15.5f, 30.0f}, 0.5f), turn, cx, cy);
    fill(p, intersect(seam, grow(unite(top, side), -0.5f)), kOutline);
    const Point crumbs[] = {{4.0f, 24.5f}, {7.5f, 25.5f}, {10.5f, 24.2f}, {5.8f, 21.8f}};
    for (const Point& c : crumbs) {
        fill(p, circle(c.x, c.y, 0.9f), Rgb{200, 120, 130}, 1.0f, around(c, 2.0f));
    }
}

void drawPaintBucket(Picture& p) {
    const Shape pail = polygon({{9.0f, 10.0f}, {23.0f, 10.0f}, {21.5f, 24.0f}, {10.5f, 24.0f}});
    const Shape handle = ring(ellipse(16.0f, 10.0f, 8.5f, 6.5f), 1.1f);
    const Shape upperHalf = roundedBox(0.0f, 0.0f, 32.0f, 10.0f, 0.0f);
    fill(p, grow(intersect(handle, upperHalf), kOutlineWidth), kOutline);
    fill(p, intersect(handle, upperHalf), kMetalDark);
    sticker(p, pail, linearGradient({9.0f, 0.0f}, kWhite, {23.0f, 0.0f}, kMetalDark), kOutline,
            kOutlineWidth);
    const Shape rim = ellipse(16.0f, 10.0f, 7.0f, 2.0f);
    sticker(p, rim, kPaintRed, kOutline, kOutlineWidth);
    // Paint running over the lip and down the side.
    const Shape drip =
        unite(capsule({10.5f, 10.8f}, {11.2f, 17.0f}, 1.3f), circle(11.3f, 17.6f, 1.7f));
    fill(p, drip, kPaintRed);
    fill(p, capsule({10.9f, 12.0f}, {11.2f, 16.0f}, 0.4f), Rgb{250, 150, 130});
}

}  // namespace dw::artwork
