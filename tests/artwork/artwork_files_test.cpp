#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "canvas/picture_catalogue.h"
#include "canvas/surface.h"
#include "files/image_file.h"
#include "tests/support/message_capture.h"
#include "tools/tool_table.h"

namespace dw {
namespace {

// What the build wrote into WorkData/, read back the way the program reads it.
class WorkDataFiles : public ::testing::Test {
  protected:
    static Surface load(std::string_view folder, std::string_view name) {
        Surface picture;
        const std::string path =
            std::string(DAUBWERK_WORKDATA) + "/" + std::string(folder) + std::string(name) + ".bmp";
        EXPECT_TRUE(LoadImageFile(picture, path)) << path;
        return picture;
    }

    test::MessageCapture messages;
};

TEST_F(WorkDataFiles, EveryCataloguedPictureIsWrittenAtItsSizeAndGreyWhereStoredGrey) {
    for (const CataloguedPicture& listed : kPictureCatalogue) {
        SCOPED_TRACE(listed.name);
        const Surface picture = load(listed.folder, listed.name);
        ASSERT_EQ(picture.width(), listed.width);
        ASSERT_EQ(picture.height(), listed.height);
        if (listed.store != PictureStore::Grey) {
            continue;
        }
        int coloured = 0;  // the grey store keeps only red: colour would change the look
        for (uint32_t y = 0; y < picture.height(); ++y) {
            for (uint32_t x = 0; x < picture.width(); ++x) {
                const Pixel p = picture.getPixel(x, y);
                coloured += (p.green != p.red || p.blue != p.red) ? 1 : 0;
            }
        }
        EXPECT_EQ(coloured, 0);
    }
}

TEST_F(WorkDataFiles, ToolButtonLooksDiffer) {
    for (const ToolInfo& tool : allTools()) {
        if (tool.upImage.empty()) {
            continue;  // Fill has no button
        }
        const Surface up = load("", tool.upImage);
        const Surface selected = load("", tool.selectedImage);
        ASSERT_EQ(up.byteSize(), selected.byteSize()) << tool.upImage;
        EXPECT_NE(std::memcmp(up.bits(), selected.bits(), up.byteSize()), 0)
            << tool.upImage << ": the selected look is not shown";
    }
}

}  // namespace
}  // namespace dw
