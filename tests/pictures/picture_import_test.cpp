#include "files/picture_import.h"

#include <png.h>

#include <csetjmp>
#include <random>

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

// The fields of every cell of the painting, and those the import makes of pixel(i), cell i's
// red, green and blue.
template <class PixelOf>
std::pair<std::vector<float>, std::vector<float>> importedAndWanted(const Canvas& painting,
                                                                    PixelOf pixel) {
    std::vector<float> imported;
    std::vector<float> wanted;
    for (std::size_t i = 0; i < painting.cellCount(); ++i) {
        const Pixel p = pixel(i);
        const std::vector<float> cell = fields(painting.cells()[i]);
        const std::vector<float> want = fields(cellFromPixel(p.red, p.green, p.blue));
        imported.insert(imported.end(), cell.begin(), cell.end());
        wanted.insert(wanted.end(), want.begin(), want.end());
    }
    return {imported, wanted};
}

// What a PNG file declares besides its pixels.
struct PngLayout {
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    bool transparency = false;
    double gamma = 0;  // a gAMA chunk when not 0
    bool srgb = false;
};

// A PNG of random samples (indices into a random palette) written by libpng as laid out.
std::vector<uint8_t> randomPng(const PngLayout& layout, uint32_t width, uint32_t height,
                               std::mt19937& random) {
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            out->insert(out->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const auto sample = [&] { return png_uint_16(random() & ((1u << layout.bitDepth) - 1)); };
    std::vector<png_color> palette(std::size_t(1) << layout.bitDepth);
    std::vector<uint8_t> paletteAlpha(palette.size());
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (std::size_t i = 0; i < palette.size(); ++i) {
            palette[i] = {uint8_t(random()), uint8_t(random()), uint8_t(random())};
            paletteAlpha[i] = uint8_t(random());
        }
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    }
    if (layout.transparency) {
        png_color_16 key{0, sample(), sample(), sample(), sample()};
        png_set_tRNS(png, info, paletteAlpha.data(), int(paletteAlpha.size()), &key);
    }
    if (layout.gamma != 0) {
        png_set_gAMA(png, info, layout.gamma);
    }
    if (layout.srgb) {
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    }
    png_write_info(png, info);
    std::vector<uint8_t> rows(png_get_rowbytes(png, info) * height);
    for (uint8_t& byte : rows) {
        byte = uint8_t(random());
    }
    std::vector<png_bytep> rowPointers;
    for (uint32_t y = 0; y < height; ++y) {
        rowPointers.push_back(rows.data() + y * png_get_rowbytes(png, info));
    }
    png_write_image(png, rowPointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

// libpng's simplified reader as 8-bit BGRA: the pixels the program has always taken from PNG.
std::vector<uint8_t> simplifiedBgra(const std::vector<uint8_t>& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        return {};
    }
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    return pixels;
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
        const auto [imported, wanted] = importedAndWanted(state.painting, [&](std::size_t i) {
            return expected.getPixel(uint32_t(i % expected.width()),
                                     uint32_t(i / expected.width()));
        });
        EXPECT_EQ(imported, wanted) << name;
        ++compared;
    }
    EXPECT_EQ(compared, 25u);
}

// Every colour type and depth, with and without a declared gamma, colour space, transparency
// and interlacing: the cells are those of the simplified reader's pixels, whichever way libpng
// is asked for the rows.
TEST_F(ImportTest, PngOfEveryLayoutGivesTheCellsOfTheSimplifiedReader) {
    const std::pair<int, std::vector<int>> kinds[] = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},
        {PNG_COLOR_TYPE_RGB, {8, 16}},           {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
        {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
    };
    std::mt19937 random(17);
    for (const auto& [colourType, depths] : kinds) {
        for (const int bitDepth : depths) {
            for (int variant = 0; variant < 6; ++variant) {
                PngLayout layout{colourType, bitDepth};
                layout.interlaced = variant == 1;
                layout.transparency = variant == 2 && !(colourType & PNG_COLOR_MASK_ALPHA);
                layout.gamma = variant == 3 ? 1 / 2.2 : variant == 4 ? 1.0 : 0;
                layout.srgb = variant == 5;
                const uint32_t width = 1 + random() % 40;
                const uint32_t height = 1 + random() % 30;
                const std::vector<uint8_t> file = randomPng(layout, width, height, random);
                const std::vector<uint8_t> pixels = simplifiedBgra(file);
                ASSERT_EQ(pixels.size(), std::size_t(width) * height * 4);
                writeFileBytes("random.png", file);
                const std::string name = "type " + std::to_string(colourType) + " depth " +
                                         std::to_string(bitDepth) + " variant " +
                                         std::to_string(variant);
                ASSERT_TRUE(importPicture(state, "random.png")) << name;
                ASSERT_EQ(state.painting.cellCount(), std::size_t(width) * height) << name;
                const auto [imported, wanted] =
                    importedAndWanted(state.painting, [&](std::size_t i) {
                        const uint8_t* bgra = pixels.data() + i * 4;
                        return Pixel{bgra[2], bgra[1], bgra[0]};
                    });
                EXPECT_EQ(imported, wanted) << name;
            }
        }
    }
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
