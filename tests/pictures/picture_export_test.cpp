#include <IL/il.h>

#include <stdio.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>

#include "core/painting_commands.h"
#include "core/pictures/export_picture.h"
#include "files/devil_library.h"
#include "files/image_file.h"
#include "files/picture_formats.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// A 5 x 2 painting shown unlit: the top row a colour, the bottom row paint on black.
class ExportTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        newPainting(state, 5, 2);
        for (uint32_t x = 0; x < 5; ++x) {
            state.painting.cellForWriting(x, 0) = {uint8_t(10 + x), 20, 200, 0, 0, {0, 0, 0}, 0.0f};
            state.painting.cellForWriting(x, 1) = {0, 0, 0, uint8_t(40 * x), 0, {0, 0, 0}, 0.0f};
        }
        setLighting(state, false);
    }

    AppState state;
};

// What ImageMagick, a reader of its own, makes of a file: the output of one of its commands,
// nothing when the command fails.
std::string imageMagick(const std::string& command) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    std::string output;
    char block[4096];
    for (std::size_t got; pipe && (got = fread(block, 1, sizeof block, pipe)) > 0;) {
        output.append(block, got);
    }
    return pipe && pclose(pipe) == 0 ? output : std::string();
}

// Its picture in the form colours() gives.
std::vector<uint8_t> coloursReadByImageMagick(const std::string& path) {
    std::istringstream ppm(imageMagick("convert '" + path + "' -depth 8 ppm:-"));
    std::string magic;
    unsigned width = 0;
    unsigned height = 0;
    unsigned largest = 0;
    ppm >> magic >> width >> height >> largest;
    ppm.get();
    std::vector<uint8_t> values = {uint8_t(width), uint8_t(height)};
    values.insert(values.end(), std::istreambuf_iterator<char>(ppm), {});
    return values;
}

std::string head(const std::string& path, std::size_t count) {
    const std::vector<uint8_t> bytes = fileBytes(path);
    return {bytes.begin(), bytes.begin() + std::ptrdiff_t(std::min(count, bytes.size()))};
}

TEST_F(ExportTest, EachNameWritesTheFormatItNamesInAnyCase) {
    const std::pair<const char*, std::string> kinds[] = {
        {"out.bmp", "BM"},
        {"out.PNG", "\x89PNG"},
        {"out.jpg", "\xFF\xD8\xFF"},
        {"out.Jpeg", "\xFF\xD8"},
        {"out.tif", std::string("II*\0", 4)},
        {"out.TIFF", "II*"},
        {"out.webp", "RIFF"},
    };
    for (const auto& [name, magic] : kinds) {
        ASSERT_TRUE(exportPainting(state, name)) << name;
        EXPECT_EQ(head(name, magic.size()), magic) << name;
        Surface loaded;
        ASSERT_TRUE(LoadImageFile(loaded, name)) << name;
        EXPECT_EQ(loaded.name(), name);
        const std::vector<uint8_t> byImageMagick = coloursReadByImageMagick(name);
        if (exportFormatOf(name) != ExportFormat::Jpeg) {
            EXPECT_EQ(colours(loaded), colours(state.painting.surface())) << name;
            EXPECT_EQ(byImageMagick, colours(state.painting.surface())) << name;
            continue;
        }
        // The same JPEG decoded by both readers, to within their rounding.
        const std::vector<uint8_t> ours = colours(loaded);
        ASSERT_EQ(byImageMagick.size(), ours.size()) << name;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            EXPECT_NEAR(byImageMagick[i], ours[i], 2) << name << " value " << i;
        }
        EXPECT_EQ(imageMagick("identify -format %Q " + std::string(name)), "92") << name;
    }
    EXPECT_EQ(head("out.webp", 12).substr(8), "WEBP");
    EXPECT_EQ(state.painting.surface().getPixel(4, 1), (Pixel{160, 160, 160, 0}));

    EXPECT_FALSE(exportPainting(state, "missing/out.png"));
    EXPECT_EQ(shownTexts().back(), "Export to \"missing/out.png\" failed!");
    EXPECT_FALSE(exportPainting(state, "out.gif"));
    EXPECT_FALSE(std::filesystem::exists("out.gif"));
}

TEST(PictureFormats, AnExportNameWithoutAKnownExtensionGetsTheBitmapOne) {
    EXPECT_EQ(exportPathFor("/a/out.png"), "/a/out.png");
    EXPECT_EQ(exportPathFor("/a/out.JPG"), "/a/out.JPG");
    EXPECT_EQ(exportPathFor("/a/out"), "/a/out.bmp");
    EXPECT_EQ(exportPathFor("/a/sketch.v2"), "/a/sketch.v2.bmp");
    EXPECT_EQ(exportPathFor("/a.png/out"), "/a.png/out.bmp");
}

// The dialog offers exactly what the importer reads: DevIL's list, WebP and OpenRaster.
TEST(PictureFormats, ImportListsEveryExtensionTheReadersTakeInBothCases) {
    initialiseImageLibrary();
    std::istringstream devil(ilGetString(IL_LOAD_EXT));
    std::set<std::string> readable = {"webp", "ora"};
    for (std::string extension; devil >> extension;) {
        // DevIL 1.7.8 runs two entries of its list together.
        if (extension == "dcmdds") {
            readable.insert({"dcm", "dds"});
        } else if (extension != "mp3") {
            readable.insert(extension);
        }
    }
    std::set<std::string> listed;
    for (const PictureFormat& format : importFormats()) {
        listed.insert(format.extensions.begin(), format.extensions.end());
    }
    EXPECT_EQ(listed, readable);
    std::string all = ";";
    all.append(filePatterns(importFormats())).append(";");
    for (const char* pattern :
         {";*.jpeg;", ";*.JPEG;", ";*.tif;", ";*.tiff;", ";*.PNG;", ";*.webp;"}) {
        EXPECT_NE(all.find(pattern), std::string::npos) << pattern;
    }
}

}  // namespace
}  // namespace dw::test
