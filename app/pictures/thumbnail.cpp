#include "app/pictures/thumbnail.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "files/image_file.h"
#include "platform/message_box.h"

namespace dw {
namespace {

uint32_t fittedSide(uint32_t side, uint32_t longSide, uint32_t size) {
    if (longSide <= size) {
        return side;
    }
    const uint64_t scaled = (uint64_t(side) * size + longSide / 2) / longSide;
    return scaled == 0 ? 1 : uint32_t(scaled);
}

}  // namespace

Surface scaledToFit(const Surface& picture, uint32_t size) {
    Surface result;
    if (!picture.valid() || size == 0) {
        return result;
    }
    const uint32_t width = picture.width();
    const uint32_t height = picture.height();
    const uint32_t longSide = width > height ? width : height;
    const uint32_t targetWidth = fittedSide(width, longSide, size);
    const uint32_t targetHeight = fittedSide(height, longSide, size);
    result.create(targetWidth, targetHeight);
    // Source column x falls into target column x * targetWidth / width; every source pixel
    // counts once, and rows are read in memory order.
    std::vector<uint32_t> columnOf(width);
    std::vector<uint64_t> columnWidth(targetWidth);
    for (uint32_t x = 0; x < width; ++x) {
        columnOf[x] = uint32_t(uint64_t(x) * targetWidth / width);
        ++columnWidth[columnOf[x]];
    }
    std::vector<uint64_t> sums(std::size_t(targetWidth) * 3);
    const uint32_t step = picture.bytesPerPixel();
    uint32_t sourceY = 0;
    for (uint32_t y = 0; y < targetHeight; ++y) {
        const uint32_t endY = uint32_t(uint64_t(y + 1) * height / targetHeight);
        std::fill(sums.begin(), sums.end(), 0);
        const uint32_t rows = endY - sourceY;
        for (; sourceY < endY; ++sourceY) {
            const uint8_t* source = picture.row(sourceY);
            for (uint32_t x = 0; x < width; ++x, source += step) {
                uint64_t* sum = &sums[std::size_t(columnOf[x]) * 3];
                sum[0] += source[0];
                sum[1] += source[1];
                sum[2] += source[2];
            }
        }
        uint8_t* target = result.row(y);
        for (uint32_t x = 0; x < targetWidth; ++x, target += 3) {
            const uint64_t count = std::max<uint64_t>(columnWidth[x] * rows, 1);
            for (int c = 0; c < 3; ++c) {
                target[c] = uint8_t((sums[std::size_t(x) * 3 + c] + count / 2) / count);
            }
        }
    }
    return result;
}

bool writeThumbnail(AppState& state, uint32_t size, const std::string& path) {
    state.painting.shadeAll();
    const Surface thumbnail = scaledToFit(state.painting.surface(), size);
    // The picture library picks the format by extension; thumbnailers are asked for PNG.
    const std::string written = path + ".png";
    if (thumbnail.valid() && SaveImageFile(thumbnail, written) &&
        std::rename(written.c_str(), path.c_str()) == 0) {
        return true;
    }
    std::remove(written.c_str());
    platform::showMessage("Thumbnail to \"" + path + "\" failed!", "Error");
    return false;
}

}  // namespace dw
