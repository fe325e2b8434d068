#include <gtest/gtest.h>

#include <vector>

#include "canvas/surface.h"
#include "files/bitmap_export.h"
#include "files/byte_stream.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

TEST(BitmapExport, HeadersAndPaddedRowsAreWrittenAsInMemory) {
    test::TempDir dir;
    Surface surface;
    surface.create(5, 2);
    surface.setPixel(0, 0, 1, 2, 3);  // top row: stored last
    surface.setPixel(4, 1, 7, 8, 9);
    ASSERT_TRUE(WriteBitmapFile(surface, dir.file("a.bmp")));
    const std::vector<uint8_t> file = test::fileBytes(dir.file("a.bmp"));
    ASSERT_EQ(file.size(), 16u * 2 + 54);
    // Size 86, pixels at 54, a 40-byte info header for 5 x 2, one plane of 24 bits, the rest 0.
    std::vector<uint8_t> header{'B', 'M', 86, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                                0,   0,   0,  5, 0, 0, 0, 2, 0, 0, 0,  1, 0, 24, 0};
    header.resize(54, 0);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 54), header);
    // Bottom row first, blue-green-red, each row 16 bytes.
    EXPECT_EQ(file[54 + 12], 9);
    EXPECT_EQ(file[54 + 14], 7);
    EXPECT_EQ(file[54 + 16], 3);
    EXPECT_EQ(file[54 + 18], 1);
}

TEST(BitmapExport, RefusesWhatIsNotAShadedPicture) {
    test::TempDir dir;
    Surface none;
    EXPECT_FALSE(WriteBitmapFile(none, dir.file("none.bmp")));
    Surface alpha;
    alpha.createWithAlpha(2, 2);
    EXPECT_FALSE(WriteBitmapFile(alpha, dir.file("alpha.bmp")));
    Surface fine;
    fine.create(1, 1);
    EXPECT_FALSE(WriteBitmapFile(fine, dir.file("missing/folder/x.bmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.bmp")));
}

}  // namespace
}  // namespace dw
