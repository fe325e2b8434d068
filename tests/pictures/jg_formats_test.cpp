#include "files/channel_codec.h"
#include "files/image_file.h"
#include "files/jg8_file.h"
#include "files/jgi_file.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

std::vector<uint8_t> header(int32_t quality, int32_t width, int32_t height) {
    std::vector<uint8_t> bytes(12);
    storeLE32(bytes.data(), uint32_t(quality));
    storeLE32(bytes.data() + 4, uint32_t(width));
    storeLE32(bytes.data() + 8, uint32_t(height));
    return bytes;
}

class JgFormatTest : public PictureTest {};

TEST_F(JgFormatTest, Jg8OfThreeByTwoAtQualityZeroIsEighteenBytesBottomRowFirst) {
    const Surface picture = makePicture(3, 2, [](uint32_t x, uint32_t y) {
        return Pixel{uint8_t(10 * (x + 1) + 30 * y), 99, 7};  // top row 10 20 30
    });
    ASSERT_TRUE(SaveJG8(picture, "grey.jg8", 0));
    const std::vector<uint8_t> plane = {40, 50, 60, 10, 20, 30};
    EXPECT_EQ(fileBytes("grey.jg8"), header(0, 3, 2) + plane);

    Surface loaded;
    ASSERT_TRUE(LoadImageFile(loaded, "grey.jg8"));
    EXPECT_EQ(loaded.bytesPerPixel(), 4);
    EXPECT_EQ(loaded.getPixel(0, 0), (Pixel{10, 10, 10, 0}));
    EXPECT_EQ(loaded.getPixel(2, 1), (Pixel{60, 60, 60, 0}));
}

TEST_F(JgFormatTest, Jg8ThroughTheCodecComesBackWithinOne) {
    const Surface picture = makePicture(9, 6, [](uint32_t x, uint32_t y) {
        return Pixel{uint8_t(20 * x + y), 0, 0};
    });
    MemorySink sink;
    ASSERT_TRUE(writeJG8(sink, picture, 1));
    MemorySource source(sink.bytes());
    Surface loaded;
    ASSERT_EQ(readJG8(source, sink.bytes().size() - 12, loaded), JgReadResult::Loaded);
    for (uint32_t i = 0; i < 54; ++i) {
        EXPECT_NEAR(loaded.getPixel(i % 9, i / 9).blue, picture.getPixel(i % 9, i / 9).red, 1);
    }
}

TEST_F(JgFormatTest, DamagedJg8IsRefusedAndLeavesTheSurfaceAlone) {
    const std::vector<uint8_t> six(6, 1);
    const std::vector<std::vector<uint8_t>> damaged = {
        header(0, 0, 2) + six,
        header(0, 3, -2) + six,
        header(0, 8193, 1) + six,
        header(-1, 3, 2) + six,
        std::vector<uint8_t>{0, 0, 0},
        header(0, 3, 2) + std::vector<uint8_t>(5, 1),                 // raw plane cut short
        header(1, 3, 2) + std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0},  // stream of no bits
        header(1, 3, 2) + std::vector<uint8_t>{9, 0, 0, 0, 0, 0, 0},  // stream cut short
    };
    for (const auto& bytes : damaged) {
        Surface surface = solidPicture(1, 1, {5, 6, 7});
        MemorySource source(bytes);
        EXPECT_EQ(readJG8(source, bytes.size() < 12 ? 0 : bytes.size() - 12, surface),
                  JgReadResult::Damaged);
        EXPECT_EQ(surface.getPixel(0, 0).red, 5);
    }
    writeFileBytes("bad.jg8", damaged[5]);
    Surface surface;
    EXPECT_FALSE(LoadImageFile(surface, "bad.jg8"));
    EXPECT_FALSE(LoadImageFile(surface, "none.jg8"));  // silently: the caller reports it
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"bad.jg8 Failed to load!"});
}

TEST_F(JgFormatTest, RawJgiIsTheMemoryOfA24BitSurfaceCodedItsChannelsBlueFirst) {
    // 2 x 2: rows of 8 bytes (6 padded), bottom row first, blue-green-red.
    writeFileBytes("raw.jgi", header(0, 2, 2) + std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0,  //
                                                                     7, 8, 9, 10, 11, 12, 0, 0});
    writeFileBytes("short.jgi", header(0, 2, 2) + std::vector<uint8_t>(15, 0));
    Surface surface;
    ASSERT_TRUE(LoadImageFile(surface, "raw.jgi"));
    EXPECT_EQ(surface.bytesPerPixel(), 3);
    EXPECT_EQ(colours(surface),
              (std::vector<uint8_t>{2, 2, 9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));
    EXPECT_FALSE(LoadImageFile(surface, "short.jgi"));
    EXPECT_FALSE(LoadImageFile(surface, "none.jgi"));
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"JGI could not load!", "JGI could not load!"}));

    // Coded, it carries blue, then green, then red.
    MemorySink sink;
    sink.write(header(1, 5, 3).data(), 12);
    for (uint8_t value : {30, 120, 200}) {
        const std::vector<uint8_t> plane(15, value);
        ASSERT_TRUE(WriteCompressed2(sink, plane.data(), 5, 3, 1));
    }
    writeFileBytes("coded.jgi", sink.bytes());
    ASSERT_TRUE(LoadImageFile(surface, "coded.jgi"));
    const Pixel p = surface.getPixel(4, 2);
    EXPECT_NEAR(p.blue, 30, 1);
    EXPECT_NEAR(p.green, 120, 1);
    EXPECT_NEAR(p.red, 200, 1);
}

TEST_F(JgFormatTest, OnlyExactSpellingsOfTheExtensionReachTheOwnReaders) {
    ASSERT_TRUE(SaveJG8(solidPicture(2, 1, {77, 0, 0}), "a.JG8", 0));
    std::filesystem::copy_file("a.JG8", "a.Jg8");
    Surface surface;
    EXPECT_TRUE(LoadImageFile(surface, "a.JG8"));
    EXPECT_EQ(surface.getPixel(1, 0).green, 77);
    EXPECT_FALSE(LoadImageFile(surface, "a.Jg8"));  // DevIL knows no such format
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown()[0].text, "a.Jg8 Failed to load!");
}

}  // namespace
}  // namespace dw::test
