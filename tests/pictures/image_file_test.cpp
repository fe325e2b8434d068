#include <sys/stat.h>

#include "files/image_file.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

class ImageFileTest : public PictureTest {};

TEST_F(ImageFileTest, RefusalsNameThePath) {
    std::filesystem::create_directory("folder.png");
    ASSERT_EQ(mkfifo("pipe.jg8", 0600), 0);  // opening it would wait for a writer
    Surface surface = makePicture(1, 1, patternColour);
    EXPECT_FALSE(LoadImageFile(surface, "none.png"));
    EXPECT_FALSE(LoadImageFile(surface, "folder.png"));
    EXPECT_FALSE(LoadImageFile(surface, "pipe.jg8"));
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"none.png Failed to load!", "folder.png Failed to load!",
                                        "pipe.jg8 Failed to load!"}));
    EXPECT_TRUE(surface.valid());  // left as it was
    boxes.clear();
    EXPECT_FALSE(LoadImageFile(surface, "none.png", ImageMessages::Hidden));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ImageFileTest, FailedSaveKeepsTheOldFileAndLeavesNoScraps) {
    writeFileBytes("keep.weird", {1, 2, 3});
    EXPECT_FALSE(SaveImageFile(makePicture(2, 2, patternColour), "keep.weird"));
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"invalid extension"});
    EXPECT_EQ(fileBytes("keep.weird"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
    // The bitmap writer takes only a shaded picture, and only where it can write.
    Surface alpha;
    alpha.createWithAlpha(2, 2);
    EXPECT_FALSE(WriteBitmapFile(Surface(), "none.bmp"));
    EXPECT_FALSE(WriteBitmapFile(alpha, "alpha.bmp"));
    EXPECT_FALSE(WriteBitmapFile(solidPicture(1, 1, {}), "missing/folder/x.bmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

}  // namespace
}  // namespace dw::test
