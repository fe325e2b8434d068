#include "core/painting_commands.h"
#include "core/pictures/import_picture.h"
#include "files/byte_stream.h"
#include "files/image_file.h"
#include "files/picture_probe.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// Damaged and hostile files handed to File > Import Image: each is either imported at the size
// its header declares or refused with a message, and a refusal leaves the painting as it was.
class HostilePictureTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        setUpFirstPainting(state);
    }

    void importSurvives(const std::vector<uint8_t>& bytes, const std::string& name) {
        writeFileBytes(name, bytes);
        boxes.clear();
        state.painting.cellForWriting(1, 1).green = 17;
        if (importPicture(state, name)) {
            const std::optional<PictureSize> declared = probePictureSize(name);
            ASSERT_TRUE(declared) << name;
            EXPECT_EQ(state.painting.width(), declared->width) << name;
            EXPECT_EQ(state.painting.height(), declared->height) << name;
            setUpFirstPainting(state);
            return;
        }
        EXPECT_FALSE(boxes.shown().empty());
        EXPECT_EQ(state.painting.width(), 600u);
        EXPECT_EQ(state.painting.at(1, 1).green, 17);
    }

    void expectSizeRefusal(const std::vector<uint8_t>& bytes, const std::string& name) {
        writeFileBytes(name, bytes);
        boxes.clear();
        EXPECT_FALSE(importPicture(state, name)) << name;
        ASSERT_EQ(boxes.shown().size(), 1u) << name;
        EXPECT_EQ(boxes.shown()[0].caption, "Warning");
    }

    AppState state;
};

TEST_F(HostilePictureTest, CutAndCorruptedFilesOfEveryOfferedKind) {
    for (const std::string extension : {"png", "jpg", "bmp", "tif"}) {
        ASSERT_TRUE(SaveImageFile(makePicture(24, 16, patternColour), "valid." + extension));
        const std::vector<uint8_t> valid = fileBytes("valid." + extension);
        for (std::size_t length = 0; length < valid.size(); length += valid.size() / 40 + 1) {
            importSurvives({valid.begin(), valid.begin() + long(length)}, "cut." + extension);
        }
        for (uint32_t k = 0; k < 60; ++k) {
            std::vector<uint8_t> bytes = valid;
            for (uint32_t j = 0; j <= k % 4; ++j) {
                bytes[(k * 7919 + j * 104729 + 13) % bytes.size()] ^= uint8_t(k * 37 + j + 1);
            }
            importSurvives(bytes, "bad." + extension);
        }
    }
}

TEST_F(HostilePictureTest, AbsurdDeclaredSizesAreRefusedBeforeDecoding) {
    // 60000 x 60000 in a PNG header (whole chunks), a JPEG frame header, a BMP and a TIFF.
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0,    13,
                                'I',  'H', 'D', 'R', 0,    0,    0xEA, 0x60, 0, 0, 0xEA, 0x60,
                                8,    2,   0,   0,   0,    0,    0,    0,    0, 0, 0,    0};
    png = png + std::vector<uint8_t>{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0, 0, 0, 0};
    expectSizeRefusal(png, "huge.png");
    expectSizeRefusal({0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0xEA, 0x60, 0xEA, 0x60, 1, 1, 0x11, 0},
                      "huge.jpg");
    std::vector<uint8_t> bmp(54, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    storeLE32(bmp.data() + 14, 40);
    storeLE32(bmp.data() + 18, 60000);
    storeLE32(bmp.data() + 22, 60000);
    bmp[28] = 24;
    expectSizeRefusal(bmp, "huge.bmp");
    expectSizeRefusal({'I', 'I',  '*',  0, 8, 0, 0, 0, 2, 0, 0, 1, 4, 0,    1,    0, 0,
                       0,   0x60, 0xEA, 0, 0, 1, 1, 4, 0, 1, 0, 0, 0, 0x60, 0xEA, 0, 0},
                      "huge.tif");
    EXPECT_EQ(state.painting.width(), 600u);

    // Beyond what any surface holds, LoadImageFile itself refuses without asking DevIL.
    Surface surface;
    EXPECT_FALSE(LoadImageFile(surface, "huge.png"));
    EXPECT_EQ(shownTexts().back(), "huge.png Failed to load!");
}

}  // namespace
}  // namespace dw::test
