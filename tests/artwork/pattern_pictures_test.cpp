#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "resources/artwork/paint_styles.h"
#include "resources/artwork/paper_textures.h"

namespace dw::artwork {
namespace {

constexpr int kSide = 200;

struct Tile {
    std::string name;
    std::vector<int> values;  // red, row by row
    int at(int x, int y) const { return values[std::size_t(y) * kSide + x]; }
    double mean() const {
        return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
    }
};

// Every picture of a set, named by its prefix and number.
std::vector<Tile> drawn(const std::string& prefix, Picture (*draw)(int)) {
    std::vector<Tile> set;
    for (int i = 0; i < kPatternPictures; ++i) {
        Tile tile{prefix + std::to_string(i), {}};
        const Picture picture = draw(i);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                tile.values.push_back(toByte(picture.at(x, y).r));
            }
        }
        set.push_back(tile);
    }
    return set;
}

class PatternPictures : public ::testing::Test {
  protected:
    // The step across the wrap edge, summed over the edge, must be no larger than the largest
    // step between two neighbouring columns (or rows) inside the tile, or the tiling shows a
    // seam. Woven patterns repeat within the tile, so an average would be too strict.
    static void expectSeamless(const Tile& tile) {
        for (const bool columns : {true, false}) {
            const auto step = [&](int a, int b) {
                long sum = 0;
                for (int i = 0; i < kSide; ++i) {
                    sum += columns ? std::abs(tile.at(a, i) - tile.at(b, i))
                                   : std::abs(tile.at(i, a) - tile.at(i, b));
                }
                return sum;
            };
            long largestInside = 0;
            for (int j = 0; j + 1 < kSide; ++j) {
                largestInside = std::max(largestInside, step(j, j + 1));
            }
            EXPECT_LE(step(kSide - 1, 0), largestInside + largestInside / 20 + kSide / 4)
                << tile.name << " shows a seam between its "
                << (columns ? "left and right" : "top and bottom") << " edges";
        }
    }

    // Drawn once, at first use, for all the cases.
    static const std::vector<Tile>& styles() {
        static const std::vector<Tile> set = drawn("paint", paintStylePicture);
        return set;
    }
    static const std::vector<Tile>& textures() {
        static const std::vector<Tile> set = drawn("bump", paperTexturePicture);
        return set;
    }
};

TEST_F(PatternPictures, RepeatWithoutSeams) {
    for (const std::vector<Tile>* set : {&styles(), &textures()}) {
        std::for_each(set->begin(), set->end(), expectSeamless);
    }
}

TEST_F(PatternPictures, EachIsItsOwnPattern) {
    for (const std::vector<Tile>* set : {&styles(), &textures()}) {
        for (std::size_t a = 0; a < set->size(); ++a) {
            for (std::size_t b = a + 1; b < set->size(); ++b) {
                long difference = 0;
                for (std::size_t i = 0; i < (*set)[a].values.size(); ++i) {
                    difference += std::abs((*set)[a].values[i] - (*set)[b].values[i]);
                }
                EXPECT_GT(difference, long(kSide * kSide))
                    << (*set)[a].name << " and " << (*set)[b].name << " are alike";
            }
        }
    }
}

// A style's value is added to the paint colour: bright styles would wash colours out.
TEST_F(PatternPictures, PaintStylesStayDarkButShowGrain) {
    for (const Tile& tile : styles()) {
        EXPECT_LE(tile.mean(), tile.name == "paint1" ? 130.0 : 60.0) << tile.name;
        const auto [lo, hi] = std::minmax_element(tile.values.begin(), tile.values.end());
        EXPECT_GE(*hi - *lo, 6) << tile.name << " has no visible grain";
    }
}

// A texture scales the deposit: dark areas take no paint, so textures stay mostly bright.
TEST_F(PatternPictures, TexturesStayMostlyBright) {
    for (const Tile& tile : textures()) {
        EXPECT_GE(tile.mean(), 150.0) << tile.name;
        const auto black =
            std::count_if(tile.values.begin(), tile.values.end(), [](int v) { return v < 40; });
        EXPECT_LT(black, kSide * kSide / 50) << tile.name << " leaves holes in the paint";
    }
}

}  // namespace
}  // namespace dw::artwork
