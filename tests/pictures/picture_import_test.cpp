#include "files/picture_import.h"
#include "core/painting_commands.h"
#include "core/pictures/import_picture.h"
#include "files/image_file.h"
#include "files/jg8_file.h"
#include "tests/pictures/picture_fixture.h"
#include "tests/support/message_texts.h"

namespace dw::test {
namespace {

// Colour, paint, gloss and height of a cell.
std::vector<float> fields(const CanvasCell& c) {
    return {float(c.red), float(c.green), float(c.blue), float(c.paint), float(c.gloss), c.height};
}

class ImportTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        setUpFirstPainting(state);
        state.painting.cellForWriting(7, 7).red = 3;  // a mark that a replaced painting would lose
        state.history.pushSnapshot(state.painting);
    }

    void expectPaintingUnchanged() {
        EXPECT_EQ(state.painting.width(), 600u);
        EXPECT_EQ(state.painting.at(7, 7).red, 3);
        EXPECT_TRUE(state.history.undoEnabled());
    }

    AppState state;
};

TEST_F(ImportTest, PictureBecomesAFlatGlossyPaintingTopRowFirst) {
    writeBitmap("p.bmp", makePicture(3, 2, [](uint32_t x, uint32_t y) {
                    return y == 0 ? Pixel{255, 255, 255} : Pixel{uint8_t(100 + x), 40, 250};
                }));
    state.painting.shadeAll();
    ASSERT_TRUE(importPicture(state, "p.bmp"));
    ASSERT_EQ(state.painting.width() * 10 + state.painting.height(), 32u);
    EXPECT_EQ(fields(state.painting.at(0, 0)), (std::vector<float>{0, 0, 0, 255, 255, 1}));
    EXPECT_EQ(fields(state.painting.at(2, 1)), (std::vector<float>{62, 0, 210, 40, 255, 1}));
    EXPECT_FALSE(state.history.undoEnabled());
    EXPECT_FALSE(state.painting.shaded);

    writeBitmap("one.bmp", solidPicture(1, 1, {9, 8, 7}));
    ASSERT_TRUE(importPicture(state, "one.bmp"));
    EXPECT_EQ(state.painting.cellCount(), 1u);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ImportTest, UnreadablePictureIsReportedAfterTheLoadersOwnMessages) {
    EXPECT_FALSE(importPicture(state, "none.png"));
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"none.png Failed to load!", "Image failed to load!"}));
    EXPECT_EQ(boxes.shown().back().caption, "Error");
    expectPaintingUnchanged();
}

TEST_F(ImportTest, PictureLargerThan5000IsRefusedWithTheSizeWarning) {
    // A BMP, whose header is read before decoding, and a JG8, which is checked once loaded.
    writeBitmap("wide.bmp", makePicture(5001, 1, patternColour));
    ASSERT_TRUE(SaveJG8(makePicture(1, 5001, patternColour), "tall.jg8", 0));
    for (const std::string name : {"wide.bmp", "tall.jg8"}) {
        boxes.clear();
        EXPECT_FALSE(importPicture(state, name));
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, kSizeWarning);
        EXPECT_EQ(boxes.shown()[0].caption, "Warning");
        expectPaintingUnchanged();
    }
}

// The kinds decoded row by row straight into the cells, against what the decoders that gave a
// whole picture made of each kept file (expected/picture/<file>.ppm): grey of 1 to 16 bits,
// palettes with transparency, 16-bit colour with and without a declared gamma, alpha,
// interlacing, progressive, grey and CMYK JPEG, TIFF strips and palettes, GIF, lossy WebP.
TEST_F(ImportTest, RowByRowDecodingGivesWhatTheWholePictureDecodersGave) {
    const std::filesystem::path data = DAUBWERK_TEST_DATA;
    std::size_t compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data / "expected" / "picture")) {
        const std::string name = entry.path().stem().string();
        const std::string file = (data / "valid" / "picture" / name).string();
        Surface expected;
        Surface loaded;
        ASSERT_TRUE(LoadImageFile(expected, entry.path().string()));
        ASSERT_TRUE(LoadImageFile(loaded, file)) << name;
        EXPECT_EQ(colours(loaded), colours(expected)) << name;
        ASSERT_TRUE(importPicture(state, file)) << name;
        ASSERT_EQ(state.painting.cellCount(), std::size_t(expected.width()) * expected.height());
        std::vector<float> imported;
        std::vector<float> wanted;
        for (uint32_t y = 0; y < expected.height(); ++y) {
            for (uint32_t x = 0; x < expected.width(); ++x) {
                const Pixel p = expected.getPixel(x, y);
                const std::vector<float> cell = fields(state.painting.at(x, y));
                const std::vector<float> want = fields(cellFromPixel(p.red, p.green, p.blue));
                imported.insert(imported.end(), cell.begin(), cell.end());
                wanted.insert(wanted.end(), want.begin(), want.end());
            }
        }
        EXPECT_EQ(imported, wanted) << name;
        ++compared;
    }
    EXPECT_EQ(compared, 25u);
}

TEST_F(ImportTest, FileCutAnywhereLeavesThePaintingAndItsHistoryAsTheyWere) {
    const std::filesystem::path kept =
        std::filesystem::path(DAUBWERK_TEST_DATA) / "valid" / "picture";
    for (const std::string name :
         {"import_rgba.png", "import_interlaced_passes.png", "import_interlaced_lines.gif",
          "import_lossy.webp", "import_grey16_strips.tif"}) {
        const std::vector<uint8_t> whole = fileBytes((kept / name).string());
        for (const std::size_t cut : {whole.size() / 3, whole.size() / 2, whole.size() - 9}) {
            const std::string path = "cut" + std::filesystem::path(name).extension().string();
            writeFileBytes(path, {whole.begin(), whole.begin() + std::ptrdiff_t(cut)});
            boxes.clear();
            EXPECT_FALSE(importPicture(state, path)) << name << " cut at " << cut;
            EXPECT_EQ(shownTexts().back(), "Image failed to load!") << name;
            expectPaintingUnchanged();
        }
    }
}

}  // namespace
}  // namespace dw::test
