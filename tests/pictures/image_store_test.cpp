#include <cstring>

#include "files/jg8_file.h"
#include "files/store_file.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

std::vector<uint8_t> entry(const std::string& name, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes(264 + data.size(), 0);
    std::memcpy(bytes.data(), name.data(), name.size());
    storeLE32(bytes.data() + 260, uint32_t(data.size()));
    std::copy(data.begin(), data.end(), bytes.begin() + 264);
    return bytes;
}

std::vector<uint8_t> greyJg8(uint8_t value) {
    MemorySink sink;
    writeJG8(sink, solidPicture(2, 2, {value, 0, 0}), 0);
    return sink.bytes();
}

class ImageStoreTest : public PictureTest {
  protected:
    void writeStore(const std::string& path, const std::vector<uint8_t>& bytes) {
        std::filesystem::create_directory("data");
        writeFileBytes(path, bytes);
    }

    Surface grey(const std::string& name) {
        Surface surface;
        LoadPackedGreyImage(surface, name, "WorkData/");
        return surface;
    }
};

TEST_F(ImageStoreTest, FirstColourRequestAppendsAJpegEntryAndLaterOnesNeedNoBitmap) {
    const Surface original = makePicture(4, 3, patternColour);
    writeBitmap("WorkData/brush0.bmp", original);
    Surface first;
    LoadPackedImage(first, "brush0", "WorkData/");
    EXPECT_EQ(colours(first), colours(original));  // the first use shows the BMP's own pixels

    const std::vector<uint8_t> store = fileBytes("data/ipack");
    ASSERT_GT(store.size(), 266u);
    EXPECT_STREQ(reinterpret_cast<const char*>(store.data()), "brush0.jpg");
    EXPECT_EQ(loadLE32(store.data() + 260), store.size() - 264);
    EXPECT_EQ(store[264], 0xFF);  // a JPEG file
    EXPECT_EQ(store[265], 0xD8);

    std::filesystem::remove("WorkData/brush0.bmp");
    Surface again;
    LoadPackedImage(again, "brush0", "WorkData/");
    EXPECT_EQ(again.width(), 4u);
    EXPECT_EQ(fileBytes("data/ipack"), store);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ImageStoreTest, GreyEntriesAreRawJg8OfTheRedChannelOneAfterTheOther) {
    const Surface coloured = makePicture(3, 2, patternColour);
    writeBitmap("WorkData/okay0.bmp", coloured);
    writeBitmap("WorkData/okay1.bmp", solidPicture(5, 1, {9, 8, 7}));
    const Surface okay0 = grey("okay0");
    grey("okay1");
    // Grey from the first use on: blue, green and red all take the BMP's red.
    ASSERT_EQ(okay0.bytesPerPixel(), 4);
    EXPECT_EQ(okay0.getPixel(2, 1), (Pixel{87, 87, 87, 0}));  // BMP pixel (87, 225, 153)

    MemorySink okay1;
    writeJG8(okay1, solidPicture(5, 1, {9, 0, 0}), 0);
    MemorySink okay0Jg8;
    writeJG8(okay0Jg8, coloured, 0);
    EXPECT_EQ(fileBytes("data/ppack"),
              entry("okay0.jg8", okay0Jg8.bytes()) + entry("okay1.jg8", okay1.bytes()));

    writeBitmap("WorkData/okay0.bmp", solidPicture(3, 2, {1, 1, 1}));  // no longer read
    EXPECT_EQ(grey("okay0").getPixel(2, 1).red, 87);
    EXPECT_TRUE(boxes.shown().empty());
    // A picture that is nowhere leaves the surface and the store as they were.
    const std::vector<uint8_t> store = fileBytes("data/ppack");
    EXPECT_FALSE(grey("nothing").valid());
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"WorkData/nothing.bmp Failed to load!"});
    EXPECT_EQ(fileBytes("data/ppack"), store);
}

TEST_F(ImageStoreTest, FirstEntryBeginningWithTheStoredNameWins) {
    std::vector<uint8_t> damaged = greyJg8(4);
    storeLE32(damaged.data() + 4, 3);  // wider than the plane it carries
    writeStore("data/ppack", entry("xy.jg8", greyJg8(1)) + entry("x.jg8.old", greyJg8(2)) +
                                 entry("x.jg8", greyJg8(3)) + entry("d.jg8", damaged));
    EXPECT_EQ(grey("x").getPixel(0, 0).red, 2);
    EXPECT_FALSE(grey("d").valid());
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"d.jg8 Failed to load!"});
}

TEST_F(ImageStoreTest, EntryRunningPastTheEndIsCutOffBeforeTheNextAppend) {
    std::vector<uint8_t> cut = entry("b.jg8", greyJg8(60));
    cut.resize(cut.size() - 3);
    writeStore("data/ppack", entry("a.jg8", greyJg8(50)) + cut);
    writeBitmap("WorkData/b.bmp", solidPicture(2, 2, {70, 0, 0}));
    EXPECT_EQ(grey("a").getPixel(0, 0).red, 50);
    EXPECT_EQ(grey("b").getPixel(0, 0).red, 70);
    EXPECT_EQ(fileBytes("data/ppack"), entry("a.jg8", greyJg8(50)) + entry("b.jg8", greyJg8(70)));
}

TEST_F(ImageStoreTest, LookupGivesUpAfter9999Entries) {
    std::vector<uint8_t> store;
    const std::vector<uint8_t> pad = entry("pad.jg8", {});
    for (int i = 0; i < kStoreScanLimit; ++i) {
        store.insert(store.end(), pad.begin(), pad.end());
    }
    writeStore("data/ppack", store + entry("late.jg8", greyJg8(1)));
    writeBitmap("WorkData/late.bmp", solidPicture(1, 1, {90, 0, 0}));
    EXPECT_EQ(grey("late").getPixel(0, 0).red, 90);
}

TEST_F(ImageStoreTest, PackFailureIsShownOnceForBothStores) {
    writeFileBytes("data", {1});  // a file where the folder belongs: no store can be made
    writeBitmap("WorkData/p.bmp", makePicture(2, 2, patternColour));
    Surface colour;
    LoadPackedImage(colour, "p", "WorkData/");
    EXPECT_TRUE(colour.valid());
    EXPECT_TRUE(grey("p").valid());
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Failed to pack image!"});
}

TEST_F(ImageStoreTest, ColourEntryThatCannotBeCopiedOutIsPassedOver) {
    const std::vector<uint8_t> store = entry("x.jpg", {0xFF, 0xD8, 0xFF, 0xD9});
    writeStore("data/ipack", store);
    const Surface original = makePicture(2, 1, patternColour);
    writeBitmap("WorkData/x.bmp", original);
    const char* previous = getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", (folder() + "/missing").c_str(), 1);  // no room for a temporary copy
    Surface surface;
    LoadPackedImage(surface, "x", "WorkData/");
    previous ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");

    EXPECT_EQ(colours(surface), colours(original));
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"Failed to save image", "Failed to pack image!"}));
    EXPECT_EQ(fileBytes("data/ipack"), store);
}

}  // namespace
}  // namespace dw::test
