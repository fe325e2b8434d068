#include "files/image_file.h"
#include "files/picture_probe.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// Pictures written by ImageMagick from one 4 x 3 picture, read with exactly its colours.
class FallbackPictures : public PictureTest {
  protected:
    static std::string example(const std::string& name) {
        return std::string(DAUBWERK_TEST_DATA) + "/valid/picture/" + name;
    }

    void expectTheQuad(const std::string& name) {
        Surface surface;
        ASSERT_TRUE(LoadImageFile(surface, example(name))) << name;
        EXPECT_EQ(colours(surface), kQuad) << name;
        EXPECT_TRUE(boxes.shown().empty()) << name;
    }

    const std::vector<uint8_t> kQuad = {
        4,   3,                                                 // width, height
        255, 0,  0,  0,   255, 0,   0,  0, 255, 255, 255, 255,  // top row
        10,  20, 30, 200, 100, 50,  0,  0, 0,   128, 128, 128,  //
        1,   2,  3,  250, 251, 252, 77, 0, 155, 33,  66,  99,   // bottom row
    };
};

TEST_F(FallbackPictures, BmpWithVersionFourAndFiveHeadersIsRead) {
    expectTheQuad("quad_v4.bmp");
    expectTheQuad("quad_v5.bmp");
    expectTheQuad("quad_alpha_v5.bmp");  // 32-bit bit fields; the alpha is dropped
}

TEST_F(FallbackPictures, LosslessWebPIsRead) {
    expectTheQuad("quad.webp");
    expectTheQuad("quad_alpha.webp");
}

TEST_F(FallbackPictures, WebPDeclaresItsSizeBeforeDecoding) {
    const auto size = probePictureSize(example("quad.webp"));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 4u);
    EXPECT_EQ(size->height, 3u);
}

TEST_F(FallbackPictures, DamagedModernFilesAreRefusedWithTheUsualMessage) {
    std::vector<uint8_t> bytes = readBytes(example("quad.webp"));
    bytes.resize(40);
    writeBytes("cut.webp", bytes);
    Surface surface = solidPicture(2, 2, {1, 2, 3});
    EXPECT_FALSE(LoadImageFile(surface, "cut.webp"));
    EXPECT_EQ(surface.width(), 2u);
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown()[0].text, "cut.webp Failed to load!");
}

}  // namespace
}  // namespace dw::test
