#include "files/picture_import.h"
#include "core/painting_commands.h"
#include "core/pictures/import_picture.h"
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

}  // namespace
}  // namespace dw::test
