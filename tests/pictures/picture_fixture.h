#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "canvas/surface.h"
#include "files/bitmap_export.h"
#include "files/image_store.h"
#include "platform/headless/headless_message_boxes.h"
#include "tests/support/file_contents.h"

namespace dw::test {

// Every test runs in a fresh folder of its own, as the program runs in its folder, with the
// message boxes recorded instead of printed.
class PictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/daubwerk-pictures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::current_path(folder_);
        boxes.setEcho(false);
        platform::installMessageBoxes(&boxes);
        allowPackFailureNoticeAgain();
    }

    void TearDown() override {
        platform::installMessageBoxes(nullptr);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    std::string folder() const { return folder_.string(); }

    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const platform::Message& message : boxes.shown()) {
            texts.push_back(message.text);
        }
        return texts;
    }

    platform::HeadlessMessageBoxes boxes;

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

// A 24-bit picture whose pixel (x, y), y from the top, is colour(x, y).
template <class Colour>
Surface makePicture(uint32_t width, uint32_t height, Colour colour) {
    Surface picture;
    picture.create(width, height);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const Pixel p = colour(x, y);
            picture.setPixel(x, y, p.red, p.green, p.blue);
        }
    }
    return picture;
}

inline Surface solidPicture(uint32_t width, uint32_t height, Pixel colour) {
    return makePicture(width, height, [colour](uint32_t, uint32_t) { return colour; });
}

// Distinct values in every channel, all of them above 127 in some pixel.
inline Pixel patternColour(uint32_t x, uint32_t y) {
    return {uint8_t(40 * x + 7 * y), uint8_t(255 - 30 * y), uint8_t(130 + 11 * x + y)};
}

// Red, green and blue of every pixel, row by row from the top.
inline std::vector<uint8_t> colours(const Surface& picture) {
    std::vector<uint8_t> values = {uint8_t(picture.width()), uint8_t(picture.height())};
    for (uint32_t y = 0; y < picture.height(); ++y) {
        for (uint32_t x = 0; x < picture.width(); ++x) {
            const Pixel p = picture.getPixel(x, y);
            values.insert(values.end(), {p.red, p.green, p.blue});
        }
    }
    return values;
}

inline void writeBitmap(const std::string& path, const Surface& picture) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder);
    }
    ASSERT_TRUE(WriteBitmapFile(picture, path));
}

inline std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace dw::test
