#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/artwork/pictograms.h"

namespace dw::artwork {

using namespace ink;

namespace {

constexpr float kPi = 3.14159265f;

// The region between a profile curve and the floor at y = 25.5, x from 4 to 28.
Shape relief(float (*profile)(float x)) {
    std::vector<Point> corners;
    for (float x = 4.0f; x <= 28.01f; x += 1.0f) {
        corners.push_back({x, profile(x)});
    }
    corners.push_back({28.0f, 24.5f});
    corners.push_back({4.0f, 24.5f});
    return polygon(std::move(corners));
}

float mound(float x) {
    const float t = (x - 16.0f) / 5.0f;
    return 21.0f - 7.5f * std::exp(-t * t);
}

float hollow(float x) {
    const float t = (x - 16.0f) / 5.0f;
    return 15.5f + 6.0f * std::exp(-t * t);
}

Shape arrow(float x, float tail, float head, float headLength) {
    const float direction = head < tail ? -1.0f : 1.0f;
    const float base = head - direction * headLength;
    return unite(capsule({x, tail}, {x, base}, 1.3f),
                 polygon({{x, head}, {x - 4.2f, base}, {x + 4.2f, base}}));
}

void drawBall(Picture& p, bool glossy) {
    const float cx = 15.0f;
    const float cy = 14.5f;
    const float r = 8.6f;
    if (glossy) {
        sticker(p, circle(cx, cy, r), sphereShade(cx, cy, r, Rgb{60, 112, 214}), kOutline,
                kOutlineWidth);
        fill(p, rotated(ellipse(11.8f, 10.8f, 3.4f, 2.0f), -40.0f, 11.8f, 10.8f), kWhite, 0.95f);
        fill(p, circle(19.0f, 19.0f, 1.0f), Rgb{170, 200, 250}, 0.9f);
        sticker(p, sparkle(24.2f, 7.0f, 3.8f), Rgb{255, 236, 150}, kOutline, 0.9f);
        return;
    }
    // Matte: the same ball with soft, even light and a fine grain that scatters it.
    const Paint soft = [=](float x, float y) {
        const float light = 0.8f + 0.2f * std::clamp(-(x - cx + y - cy) / (2.0f * r), -1.0f, 1.0f);
        return scale(Rgb{96, 130, 200}, light);
    };
    sticker(p, circle(cx, cy, r), soft, kOutline, kOutlineWidth);
    fill(p, circle(cx - 2.5f, cy - 2.5f, 4.0f), Rgb{160, 186, 232}, 0.35f);
    for (int y = 6; y < 24; ++y) {
        for (int x = 6 + y % 2; x < 25; x += 2) {
            if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) < r - 1.2f) {
                p.blend(x, y, Rgb{40, 60, 110}, 0.18f);
            }
        }
    }
}

}  // namespace

void drawHand(Picture& p) {
    const float fingerX[] = {11.2f, 14.5f, 17.8f, 21.1f};
    const float fingerTop[] = {8.0f, 5.6f, 6.0f, 8.6f};
    const float fingerRadius = 1.55f;
    const Shape palm = roundedBox(9.6f, 12.5f, 22.7f, 24.5f, 4.5f);
    const Shape thumb = capsule({10.8f, 20.0f}, {6.2f, 14.5f}, 1.8f);
    Shape outline = unite(palm, thumb);
    for (int i = 0; i < 4; ++i) {
        outline =
            unite(outline, capsule({fingerX[i], 14.0f}, {fingerX[i], fingerTop[i]}, fingerRadius));
    }
    fill(p, grow(outline, kOutlineWidth), kOutline);
    const Paint glove = linearGradient({8.0f, 4.0f}, kWhite, {22.0f, 25.0f}, Rgb{222, 220, 216});
    fill(p, outline, glove);
    // The gaps between the fingers, down to the palm.
    for (int i = 0; i < 3; ++i) {
        const float x = (fingerX[i] + fingerX[i + 1]) * 0.5f;
        const float top = std::max(fingerTop[i], fingerTop[i + 1]) + 0.8f;
        fill(p, capsule({x, top}, {x, 15.2f}, 0.45f), kOutline);
    }
    fill(p, capsule({11.5f, 20.5f}, {9.6f, 17.5f}, 0.45f), kOutline);
}

void drawEyeDropper(Picture& p) {
    const Shape bulb = capsule({24.3f, 5.7f}, {21.5f, 8.5f}, 3.1f);
    const Shape collar = bar({21.7f, 8.3f}, {19.3f, 10.7f}, 3.1f, 3.1f);
    const Shape glass = capsule({19.3f, 10.7f}, {10.6f, 19.4f}, 2.0f);
    const Shape tip = taperedCapsule({10.9f, 19.1f}, {7.0f, 23.0f}, 1.5f, 0.7f);
    sticker(p, unite(glass, tip), Rgb{232, 240, 246}, kOutline, kOutlineWidth);
    fill(p, intersect(grow(unite(glass, tip), -0.9f), roundedBox(0.0f, 14.5f, 32.0f, 28.0f, 0.0f)),
         kPaintRed);
    fill(p, capsule({17.4f, 10.7f}, {14.0f, 14.1f}, 0.5f), kWhite, 0.9f);
    sticker(p, collar, linearGradient({18.0f, 7.0f}, kWhite, {22.5f, 12.0f}, kMetalDark), kOutline,
            kOutlineWidth);
    sticker(p, bulb,
            linearGradient({20.0f, 2.5f}, Rgb{236, 94, 84}, {26.0f, 10.5f}, Rgb{150, 32, 36}),
            kOutline, kOutlineWidth);
}

void drawSun(Picture& p) {
    const float cx = 16.0f;
    const float cy = 14.0f;
    const Rgb ray{242, 164, 38};
    for (int i = 0; i < 8; ++i) {
        const float angle = float(i) * kPi / 4.0f;
        const Point a{cx + 7.0f * std::cos(angle), cy + 7.0f * std::sin(angle)};
        const Point b{cx + 8.9f * std::cos(angle), cy + 8.9f * std::sin(angle)};
        sticker(p, capsule(a, b, 1.1f), ray, kOutline, 0.9f);
    }
    sticker(p, circle(cx, cy, 4.7f),
            linearGradient({12.0f, 10.0f}, Rgb{255, 236, 120}, {19.0f, 18.0f}, Rgb{246, 170, 36}),
            kOutline, kOutlineWidth);
}

void drawMoon(Picture& p) {
    const Shape crescent = subtract(circle(14.5f, 14.5f, 9.0f), circle(19.6f, 10.4f, 7.4f));
    sticker(p, crescent,
            linearGradient({7.0f, 8.0f}, Rgb{120, 134, 186}, {16.0f, 24.0f}, Rgb{52, 62, 110}),
            kOutline, kOutlineWidth);
    sticker(p, sparkle(23.5f, 17.5f, 3.6f), Rgb{250, 232, 150}, kOutline, 0.8f);
    sticker(p, sparkle(25.5f, 7.0f, 2.4f), Rgb{250, 232, 150}, kOutline, 0.8f);
}

void drawGlossBall(Picture& p) {
    drawBall(p, true);
}

void drawMatteBall(Picture& p) {
    drawBall(p, false);
}

void drawRaise(Picture& p) {
    sticker(p, relief(mound),
            linearGradient({10.0f, 13.0f}, Rgb{246, 128, 90}, {18.0f, 26.0f}, Rgb{188, 52, 34}),
            kOutline, kOutlineWidth);
    sticker(p, arrow(16.0f, 11.5f, 4.5f, 4.5f), Rgb{46, 150, 90}, kOutline, 0.9f);
}

void drawLower(Picture& p) {
    sticker(p, relief(hollow),
            linearGradient({10.0f, 15.0f}, Rgb{246, 128, 90}, {18.0f, 26.0f}, Rgb{188, 52, 34}),
            kOutline, kOutlineWidth);
    sticker(p, arrow(16.0f, 5.0f, 14.0f, 4.5f), Rgb{54, 104, 200}, kOutline, 0.9f);
}

void drawClipboard(Picture& p) {
    sticker(p, roundedBox(8.0f, 6.0f, 24.0f, 25.0f, 2.0f), Rgb{184, 130, 76}, kOutline,
            kOutlineWidth);
    fill(p, roundedBox(10.0f, 9.0f, 22.0f, 23.0f, 1.0f), kWhite);
    for (int i = 0; i < 4; ++i) {
        const float y = 12.0f + 3.0f * float(i);
        fill(p, roundedBox(12.0f, y, i == 3 ? 17.0f : 20.0f, y + 1.0f, 0.4f), Rgb{180, 176, 170});
    }
    sticker(p, roundedBox(12.0f, 4.0f, 20.0f, 8.5f, 1.5f),
            linearGradient({12.0f, 4.0f}, kWhite, {20.0f, 8.5f}, kMetalDark), kOutline,
            kOutlineWidth);
}

}  // namespace dw::artwork
