#include "batch/batch_runner.h"
#include "canvas/gloss_map.h"
#include "files/image_file.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// The batch tool in a program folder of its own: its pictures first come from WorkData/, from
// the second run on from the stores.
class BatchPicturesTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        for (int i = 0; i < 18; ++i) {
            const Surface grey = solidPicture(4, 4, {uint8_t(i), 0, 0});
            writeBitmap("WorkData/Styles/paint" + std::to_string(i) + ".bmp", grey);
            writeBitmap("WorkData/Textures/bump" + std::to_string(i) + ".bmp", grey);
        }
        writeBitmap("WorkData/gloss.bmp", solidPicture(4, 4, {228, 0, 0}));
        ASSERT_TRUE(SaveImageFile(makePicture(30, 20, patternColour), "photo.jpg"));
    }

    int run(const std::vector<std::string>& arguments) {
        const int status = batch::runBatch(arguments, folder());
        std::filesystem::current_path(folder());  // the tool moved into its own folder
        return status;
    }
};

TEST_F(BatchPicturesTest, ImportThenExportAndASecondRunFromTheStores) {
    ASSERT_EQ(run({"--import", "photo.jpg", "--export", "photo.png"}), batch::kExitOk);
    EXPECT_EQ(glossMap().at(0, 0), 100);
    std::filesystem::remove_all("WorkData");
    glossMap().clear();
    ASSERT_EQ(run({"--import", "photo.jpg", "--export", "again.png"}), batch::kExitOk);
    EXPECT_EQ(glossMap().at(0, 0), 100);
    EXPECT_TRUE(boxes.shown().empty());

    Surface first;
    Surface second;
    ASSERT_TRUE(LoadImageFile(first, "photo.png"));
    ASSERT_TRUE(LoadImageFile(second, "again.png"));
    EXPECT_EQ(first.width(), 30u);
    EXPECT_EQ(colours(first), colours(second));
}

}  // namespace
}  // namespace dw::test
