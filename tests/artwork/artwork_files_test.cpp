#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Expected {
    const char* path;  // below WorkData/
    int width;
    int height;
    bool grey;
};

// Sizes follow from where the program places each picture; see the panel layouts.
const Expected kPictures[] = {
    {"toolsview.bmp", 68, 274, false},   {"brushes.bmp", 64, 14, false},
    {"tools.bmp", 64, 14, false},        {"effects.bmp", 64, 14, false},
    {"properties.bmp", 280, 240, false}, {"styles.bmp", 280, 80, false},
    {"shape.bmp", 280, 62, false},       {"tab.bmp", 6, 12, false},
    {"colordlg.bmp", 205, 94, false},    {"colors.bmp", 197, 16, false},
    {"palette.bmp", 280, 200, false},    {"strokes.bmp", 280, 158, false},
    {"splash.bmp", 520, 320, false},     {"paste.bmp", 32, 28, false},
    {"filenew.bmp", 234, 149, true},     {"gloss.bmp", 256, 256, true},
};

const char* const kToolButtons[] = {"brush",   "pbrush", "erase",  "spray", "sponge",  "fill",
                                    "dropper", "water",  "hand",   "shine", "unshine", "raise",
                                    "lower",   "knife",  "finger", "sun",   "moon"};

struct PairSize {
    const char* stem;
    int width;
    int height;
    bool grey;
};

const PairSize kPairs[] = {
    {"tpaint", 60, 17, false},   {"ttexture", 60, 17, false}, {"tshape", 60, 17, false},
    {"tbrushes", 64, 17, false}, {"tstrokes", 64, 17, false}, {"check", 13, 13, false},
    {"add", 30, 18, false},      {"delete", 30, 18, false},   {"savelist", 66, 18, false},
    {"loadlist", 66, 18, false}, {"okay", 74, 24, true},      {"cancel", 74, 24, true},
    {"continue", 74, 24, true},
};

struct Bitmap {
    bool ok = false;
    std::string problem;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<uint8_t> pixels;  // rows bottom-up, padded to 4 bytes
};

uint32_t le32(const std::vector<uint8_t>& b, std::size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

Bitmap readBitmap(const std::string& path) {
    Bitmap bmp;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        bmp.problem = "missing or not a BMP file";
        return bmp;
    }
    bmp.width = int(le32(bytes, 18));
    bmp.height = int(le32(bytes, 22));
    bmp.bitsPerPixel = bytes[28] | bytes[29] << 8;
    const uint32_t offset = le32(bytes, 10);
    const uint64_t stride = (uint64_t(bmp.width) * 3 + 3) & ~uint64_t(3);
    if (le32(bytes, 30) != 0 || bmp.width <= 0 || bmp.height <= 0 ||
        offset + stride * uint64_t(bmp.height) > bytes.size()) {
        bmp.problem = "compressed, empty or truncated";
        return bmp;
    }
    bmp.pixels.assign(bytes.begin() + offset, bytes.begin() + offset + stride * bmp.height);
    bmp.ok = true;
    return bmp;
}

class WorkDataFiles : public ::testing::Test {
  protected:
    static std::string path(const std::string& relative) {
        return std::string(DAUBWERK_WORKDATA) + "/" + relative;
    }

    static void expectPicture(const std::string& relative, int width, int height, bool grey) {
        SCOPED_TRACE(relative);
        const Bitmap bmp = readBitmap(path(relative));
        ASSERT_TRUE(bmp.ok) << bmp.problem;
        EXPECT_EQ(bmp.bitsPerPixel, 24);
        EXPECT_EQ(bmp.width, width);
        EXPECT_EQ(bmp.height, height);
        if (grey) {
            expectGrey(bmp);
        }
    }

    // The grey store keeps only red: a coloured pixel there would change its look.
    static void expectGrey(const Bitmap& bmp) {
        const std::size_t stride = (std::size_t(bmp.width) * 3 + 3) & ~std::size_t(3);
        int coloured = 0;
        for (int y = 0; y < bmp.height; ++y) {
            for (int x = 0; x < bmp.width; ++x) {
                const uint8_t* p = bmp.pixels.data() + y * stride + std::size_t(x) * 3;
                coloured += (p[0] != p[2] || p[1] != p[2]) ? 1 : 0;
            }
        }
        EXPECT_EQ(coloured, 0) << "pixels that are not grey";
    }
};

TEST_F(WorkDataFiles, PanelPicturesHaveTheirLayoutSizes) {
    for (const Expected& e : kPictures) {
        expectPicture(e.path, e.width, e.height, e.grey);
    }
}

TEST_F(WorkDataFiles, EveryButtonHasBothLooks) {
    for (const char* stem : kToolButtons) {
        for (const char* look : {"0", "1"}) {
            // Two 32-wide columns fill the tools panel; eight 28-high rows fit its height.
            expectPicture(std::string(stem) + look + ".bmp", 32, 28, false);
        }
    }
    for (const PairSize& pair : kPairs) {
        for (const char* look : {"0", "1"}) {
            expectPicture(std::string(pair.stem) + look + ".bmp", pair.width, pair.height,
                          pair.grey);
        }
    }
}

TEST_F(WorkDataFiles, PatternPicturesAreGreyTiles) {
    for (int i = 0; i < 18; ++i) {
        expectPicture("Styles/paint" + std::to_string(i) + ".bmp", 200, 200, true);
        expectPicture("Textures/bump" + std::to_string(i) + ".bmp", 200, 200, true);
    }
}

TEST_F(WorkDataFiles, ToolButtonLooksDiffer) {
    for (const char* stem : kToolButtons) {
        const Bitmap up = readBitmap(path(std::string(stem) + "0.bmp"));
        const Bitmap selected = readBitmap(path(std::string(stem) + "1.bmp"));
        ASSERT_TRUE(up.ok && selected.ok) << stem;
        EXPECT_NE(up.pixels, selected.pixels) << stem << ": the selected look is not shown";
    }
}

}  // namespace
