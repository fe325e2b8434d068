#include "files/image_file.h"
#include "files/picture_probe.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// Pictures written by ImageMagick from one 4 x 3 picture, read with exactly its colours by
// whichever decoder the file's signature picks.
class PictureDecoders : public PictureTest {
  protected:
    static std::string example(const std::string& name) {
        return std::string(DAUBWERK_TEST_DATA) + "/valid/picture/" + name;
    }

    void expectTheQuad(const std::string& path, const std::vector<uint8_t>& quad = kQuad) {
        Surface surface;
        ASSERT_TRUE(LoadImageFile(surface, path)) << path;
        EXPECT_EQ(colours(surface), quad) << path;
        EXPECT_TRUE(boxes.shown().empty()) << path;
    }

    void expectRefused(const std::string& name) {
        Surface surface = solidPicture(2, 2, {1, 2, 3});
        boxes.clear();
        EXPECT_FALSE(LoadImageFile(surface, name)) << name;
        EXPECT_EQ(surface.width(), 2u) << name;
        EXPECT_EQ(shownTexts(), std::vector<std::string>{name + " Failed to load!"});
    }

    // The quad as a Targa file, stored top row first.
    std::vector<uint8_t> quadTga() {
        std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 3, 0, 24, 0x20};
        for (std::size_t i = 2; i < kQuad.size(); i += 3) {
            bytes.insert(bytes.end(), {kQuad[i + 2], kQuad[i + 1], kQuad[i]});
        }
        return bytes;
    }

    // The quad as a PNM of the given magic ("P3" text, "P6" binary).
    std::vector<uint8_t> quadPnm(const std::string& magic) {
        std::string text = magic + "\n# quad\n4 3\n255\n";
        std::vector<uint8_t> bytes(text.begin(), text.end());
        for (std::size_t i = 2; i < kQuad.size(); ++i) {
            if (magic == "P6") {
                bytes.push_back(kQuad[i]);
            } else {
                text = std::to_string(kQuad[i]) + " ";
                bytes.insert(bytes.end(), text.begin(), text.end());
            }
        }
        return bytes;
    }

    static inline const std::vector<uint8_t> kQuad = {
        4,   3,                                                 // width, height
        255, 0,  0,  0,   255, 0,   0,  0, 255, 255, 255, 255,  // top row
        10,  20, 30, 200, 100, 50,  0,  0, 0,   128, 128, 128,  //
        1,   2,  3,  250, 251, 252, 77, 0, 155, 33,  66,  99,   // bottom row
    };
};

TEST_F(PictureDecoders, EveryLosslessKindIsReadExactly) {
    for (const std::string name :
         {"quad.png", "quad.tif", "quad_v3.bmp", "quad_v4.bmp", "quad_v5.bmp", "quad_alpha_v5.bmp",
          "quad.webp", "quad_alpha.webp"}) {
        expectTheQuad(example(name));  // alpha, where there is one, is dropped
    }
    std::vector<uint8_t> darkestAsBlack = kQuad;
    darkestAsBlack[26] = darkestAsBlack[27] = darkestAsBlack[28] = 0;
    expectTheQuad(example("quad.gif"), darkestAsBlack);  // so the GIF file has it
    writeFileBytes("binary.ppm", quadPnm("P6"));
    expectTheQuad("binary.ppm");
    // Through the fence.
    writeFileBytes("plain.ppm", quadPnm("P3"));
    expectTheQuad("plain.ppm");
    writeFileBytes("quad.tga", quadTga());
    expectTheQuad("quad.tga");
    // WebP declares its size before decoding, as the size checks need.
    const auto size = probePictureSize(example("quad.webp"));
    ASSERT_TRUE(size);
    EXPECT_EQ(std::make_pair(size->width, size->height), std::make_pair(4u, 3u));
}

// Every kind of BMP file writers make, each against the picture its writer started from: the
// files and their pictures in tests/data/expected/bmp/ come from scripts/make-bmp-corpus.py,
// the embedded JPEG's picture from the bare JPEG file.
TEST_F(PictureDecoders, EveryKindOfBmpGivesThePictureItWasWrittenFrom) {
    const std::filesystem::path data = DAUBWERK_TEST_DATA;
    std::size_t compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data / "valid" / "bmp")) {
        std::filesystem::path expected = data / "expected" / "bmp" / entry.path().stem();
        expected += std::filesystem::exists(expected.string() + ".ppm") ? ".ppm" : ".jpg";
        Surface wanted;
        ASSERT_TRUE(LoadImageFile(wanted, expected.string())) << expected;
        expectTheQuad(entry.path().string(), colours(wanted));
        ++compared;
    }
    EXPECT_EQ(compared, 40u);
}

TEST_F(PictureDecoders, TheSignatureDecidesNotTheNameAndDamagedFilesAreRefused) {
    std::filesystem::copy_file(example("quad.png"), "png_named.jpg");
    std::filesystem::copy_file(example("quad_v3.bmp"), "no_extension");
    expectTheQuad("png_named.jpg");
    expectTheQuad("no_extension");
    // A kind only the old library reads must say so by its name too; a Targa file, which has
    // no signature, only by its name.
    writeFileBytes("plain_named.webp", quadPnm("P3"));
    writeFileBytes("tga_named.png", quadTga());
    writeFileBytes("tga_without_extension", quadTga());
    writeFileBytes("unknown.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    // Damaged files of each kind.
    std::vector<uint8_t> webp = fileBytes(example("quad.webp"));
    webp.resize(40);
    writeFileBytes("cut.webp", webp);
    std::vector<uint8_t> png = fileBytes(example("quad.png"));
    png.pop_back();  // the last byte of IEND's checksum
    writeFileBytes("cut.png", png);
    std::vector<uint8_t> pnm = quadPnm("P6");
    pnm.pop_back();  // one byte short: refused before the pixels are allocated
    writeFileBytes("cut.ppm", pnm);
    writeFileBytes("huge.ppm", {'P', '6', '\n', '9', '0', '0', '0',  ' ', '9', '0',
                                '0', '0', '\n', '2', '5', '5', '\n', 1,   2,   3});
    for (const std::string name : {"plain_named.webp", "tga_named.png", "tga_without_extension",
                                   "unknown.png", "cut.webp", "cut.png", "cut.ppm", "huge.ppm"}) {
        expectRefused(name);
    }
}

}  // namespace
}  // namespace dw::test
