#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "core/pictures/thumbnail.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

Surface pictureOf(uint32_t width, uint32_t height, const std::vector<uint8_t>& reds) {
    Surface picture;
    picture.create(width, height);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            picture.setPixel(x, y, reds[y * width + x], 7, 200);
        }
    }
    return picture;
}

TEST(ScaledToFit, EachPixelIsTheRoundedMeanOfWhatItCovers) {
    // 4 x 2 into 2: 2 x 1, each target pixel the mean of a 2 x 2 block.
    const Surface small = scaledToFit(pictureOf(4, 2, {0, 10, 100, 101, 20, 31, 200, 200}), 2);
    ASSERT_EQ(small.width(), 2u);
    ASSERT_EQ(small.height(), 1u);
    EXPECT_EQ(small.getPixel(0, 0), (Pixel{15, 7, 200, 0}));   // 61 / 4 = 15.25
    EXPECT_EQ(small.getPixel(1, 0), (Pixel{150, 7, 200, 0}));  // 601 / 4 = 150.25
    const Surface thin = scaledToFit(pictureOf(1000, 1, std::vector<uint8_t>(1000, 5)), 10);
    EXPECT_EQ(thin.height(), 1u);  // never zero rows
    EXPECT_EQ(scaledToFit(pictureOf(3, 2, std::vector<uint8_t>(6, 1)), 256).width(), 3u);
}

TEST(LitThumbnail, ShadesAndAveragesFourSpreadRowsOfEachThumbnailRow) {
    Canvas painting;
    painting.create(16, 16);
    for (uint32_t y = 0; y < 16; ++y) {
        for (uint32_t x = 0; x < 16; ++x) {
            painting.cellForWriting(x, y) = {uint8_t(y * 10), 0, 0, 0, 0, {0, 0, 0}, 0.0f};
        }
    }
    painting.lighting = false;
    // Eight rows a pixel: rows 1, 3, 5, 7 and 9, 11, 13, 15 are the ones shaded and read.
    const Surface thumbnail = litThumbnail(painting, 2);
    ASSERT_EQ(thumbnail.width(), 2u);
    EXPECT_EQ(thumbnail.getPixel(1, 0).red, 40);
    EXPECT_EQ(thumbnail.getPixel(0, 1).red, 120);
    EXPECT_EQ(painting.surface().getPixel(0, 0).red, 255);  // never shaded: still white
}

// The thumbnailer's command line, as a file manager runs it.
class ThumbnailCommand : public ::testing::Test {
  protected:
    int run(const std::string& input, const std::string& output) {
        const std::string command = "'" DAUBWERK_BATCH_PATH "' --open '" + input +
                                    "' --thumbnail 256 '" + output + "' 2>'" + dir.file("err.txt") +
                                    "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() const { return test::fileText(dir.file("err.txt")); }

    test::TempDir dir;
};

TEST_F(ThumbnailCommand, WelcomePaintingBecomesA256PixelPngADamagedOneNothing) {
    // Thumbnailers are handed output names of any kind; the file is PNG all the same.
    const std::string output = dir.file("thumbnail.tmp");
    ASSERT_EQ(run(DAUBWERK_WELCOME_PATH, output), 0) << errors();
    std::ifstream in(output, std::ios::binary);
    std::string header(24, '\0');
    in.read(header.data(), 24);
    EXPECT_EQ(header.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(header.substr(16, 8), std::string("\0\0\1\0\0\0\1\0", 8));  // 256 x 256
    EXPECT_FALSE(std::filesystem::exists(output + ".png"));

    // A damaged painting fails clearly and writes nothing.
    std::ofstream(dir.file("damaged.pai"), std::ios::binary) << std::string("\xD7\x5E\0\0junk", 8);
    EXPECT_EQ(run(dir.file("damaged.pai"), dir.file("out.png")), 1);
    EXPECT_NE(errors().find("failed"), std::string::npos) << errors();
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.png")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.png.png")));
}

}  // namespace
}  // namespace dw
