#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "resources/artwork/bitmap_font.h"
#include "resources/artwork/shapes.h"

namespace dw::artwork {
namespace {

constexpr Rgb kWhite{255, 255, 255};

class ShapeFill : public ::testing::Test {
  protected:
    Picture canvas{12, 12};
    float red(int x, int y) const { return canvas.at(x, y).r; }
};

// Pixel centres sit at half-integer positions, so whole-number edges give crisp pixels.
TEST_F(ShapeFill, BoxOnWholeNumbersCoversWholePixels) {
    fill(canvas, roundedBox(2.0f, 3.0f, 5.0f, 7.0f, 0.0f), kWhite);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 3 && y < 7;
            EXPECT_FLOAT_EQ(red(x, y), inside ? 255.0f : 0.0f) << x << "," << y;
        }
    }
}

TEST_F(ShapeFill, HalfCoveredEdgePixelsBlendHalfway) {
    fill(canvas, roundedBox(2.0f, 2.0f, 5.5f, 6.0f, 0.0f), kWhite);
    EXPECT_FLOAT_EQ(red(4, 3), 255.0f);
    EXPECT_NEAR(red(5, 3), 127.5f, 0.01f);
    EXPECT_FLOAT_EQ(red(6, 3), 0.0f);
}

TEST_F(ShapeFill, RegionLimitsTheFill) {
    fill(canvas, circle(6.0f, 6.0f, 5.0f), kWhite, 1.0f, {0, 0, 6, 12});
    EXPECT_FLOAT_EQ(red(5, 6), 255.0f);
    EXPECT_FLOAT_EQ(red(6, 6), 0.0f);
}

TEST(ShapeDistances, PolygonIsNegativeInsideOnly) {
    const Shape triangle = polygon({{0.0f, 0.0f}, {10.0f, 0.0f}, {0.0f, 10.0f}});
    EXPECT_LT(triangle(2.0f, 2.0f), 0.0f);
    EXPECT_GT(triangle(8.0f, 8.0f), 0.0f);
    EXPECT_NEAR(triangle(5.0f, -3.0f), 3.0f, 1e-5f);
}

TEST(ShapeDistances, RotationTurnsClockwiseOnScreen) {
    // A bar pointing right from the centre, turned by 90 degrees, points down.
    const Shape bar = capsule({5.0f, 5.0f}, {9.0f, 5.0f}, 0.5f);
    const Shape turned = rotated(bar, 90.0f, 5.0f, 5.0f);
    EXPECT_LT(turned(5.0f, 8.5f), 0.0f);
    EXPECT_GT(turned(8.5f, 5.0f), 0.0f);
}

TEST(ShapeDistances, SubtractAndRingCarveTheShape) {
    const Shape disc = circle(0.0f, 0.0f, 5.0f);
    const Shape holed = subtract(disc, circle(0.0f, 0.0f, 2.0f));
    EXPECT_GT(holed(0.0f, 0.0f), 0.0f);
    EXPECT_LT(holed(3.5f, 0.0f), 0.0f);
    const Shape band = ring(disc, 1.0f);
    EXPECT_LT(band(5.0f, 0.0f), 0.0f);
    EXPECT_GT(band(3.0f, 0.0f), 0.0f);
}

class Lettering : public ::testing::Test {
  protected:
    static int inkCount(const Picture& p) {
        int count = 0;
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                count += p.at(x, y).r > 0.0f ? 1 : 0;
            }
        }
        return count;
    }
    static Picture rendered(const std::string& text, Weight weight = Weight::Regular) {
        Picture p(textWidth(text, weight) + 4, kLineHeight + 2);
        drawText(p, 0, 0, text, kWhite, weight);
        return p;
    }
    static int rightmostInk(const Picture& p) {
        int right = -1;
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                if (p.at(x, y).r > 0.0f) {
                    right = std::max(right, x);
                }
            }
        }
        return right;
    }
};

// A glyph whose ink lies outside its width would vanish or spill into its neighbour.
TEST_F(Lettering, EveryGlyphInksInsideItsWidth) {
    const std::string glyphs =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;!?'\"-+/()[]%&*<>=_#";
    for (char c : glyphs) {
        const std::string text(1, c);
        const Picture p = rendered(text);
        EXPECT_GT(inkCount(p), 0) << "'" << c << "' draws nothing";
        EXPECT_LE(rightmostInk(p), textWidth(text) - 1) << "'" << c << "' inks outside its width";
    }
}

TEST_F(Lettering, LettersAreNotTheMissingGlyphMark) {
    const Picture mark = rendered("?");
    for (char c : std::string("AaGgWw09.,")) {
        const Picture p = rendered(std::string(1, c));
        const bool same = p.width() == mark.width() && inkCount(p) == inkCount(mark);
        EXPECT_FALSE(same && c != '?') << "'" << c << "' falls back to the missing-glyph mark";
    }
}

TEST_F(Lettering, BoldWidensEachGlyphByOnePixel) {
    EXPECT_EQ(textWidth("Save list", Weight::Bold), textWidth("Save list") + 9);
    EXPECT_EQ(textWidth(""), 0);
}

}  // namespace
}  // namespace dw::artwork
