#include "core/pictures/thumbnail.h"

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

// Averages each thumbnail pixel over the columns it covers and over the source rows that
// rowsOf(y, firstRow, endRow) picks and prepares; rows are read in memory order.
template <typename RowPicker>
Surface averaged(const Surface& picture, uint32_t size, RowPicker rowsOf) {
    Surface result;
    if (!picture.valid() || size == 0) {
        return result;
    }
    const uint32_t width = picture.width();
    const uint32_t height = picture.height();
    const uint32_t longSide = std::max(width, height);
    const uint32_t targetWidth = fittedSide(width, longSide, size);
    const uint32_t targetHeight = fittedSide(height, longSide, size);
    result.create(targetWidth, targetHeight);
    // Source column x falls into target column x * targetWidth / width: each counts once.
    std::vector<uint32_t> columnOf(width);
    std::vector<uint64_t> columnWidth(targetWidth);
    for (uint32_t x = 0; x < width; ++x) {
        columnOf[x] = uint32_t(uint64_t(x) * targetWidth / width);
        ++columnWidth[columnOf[x]];
    }
    std::vector<uint64_t> sums(std::size_t(targetWidth) * 3);
    std::vector<uint32_t> rows;
    const uint32_t step = picture.bytesPerPixel();
    for (uint32_t y = 0; y < targetHeight; ++y) {
        const uint32_t firstRow = uint32_t(uint64_t(y) * height / targetHeight);
        const uint32_t endRow = uint32_t(uint64_t(y + 1) * height / targetHeight);
        rowsOf(firstRow, endRow, rows);
        std::fill(sums.begin(), sums.end(), 0);
        for (uint32_t row : rows) {
            const uint8_t* source = picture.row(row);
            for (uint32_t x = 0; x < width; ++x, source += step) {
                uint64_t* sum = &sums[std::size_t(columnOf[x]) * 3];
                sum[0] += source[0];
                sum[1] += source[1];
                sum[2] += source[2];
            }
        }
        uint8_t* target = result.row(y);
        for (uint32_t x = 0; x < targetWidth; ++x, target += 3) {
            const uint64_t count = std::max<uint64_t>(columnWidth[x] * rows.size(), 1);
            for (int c = 0; c < 3; ++c) {
                target[c] = uint8_t((sums[std::size_t(x) * 3 + c] + count / 2) / count);
            }
        }
    }
    return result;
}

// Rows of the painting shaded for one thumbnail row: enough to carry its look, few enough
// that a 5000-row painting is not shaded whole for a 256-pixel picture.
constexpr uint32_t kShadedRowsPerPixel = 4;

}  // namespace

Surface scaledToFit(const Surface& picture, uint32_t size) {
    return averaged(picture, size, [](uint32_t first, uint32_t end, std::vector<uint32_t>& rows) {
        rows.clear();
        for (uint32_t row = first; row < end; ++row) {
            rows.push_back(row);
        }
    });
}

Surface litThumbnail(Canvas& painting, uint32_t size) {
    if (!painting.hasCells()) {
        return {};
    }
    const auto shadeSampleRows = [&painting](uint32_t first, uint32_t end,
                                             std::vector<uint32_t>& rows) {
        rows.clear();
        const uint32_t span = end - first;
        const uint32_t count = std::min(span, kShadedRowsPerPixel);
        for (uint32_t i = 0; i < count; ++i) {
            // Spread evenly, each in the middle of its share of the span.
            const uint32_t row = first + uint32_t((uint64_t(2 * i + 1) * span) / (2 * count));
            painting.shadeRect(0, int(row), int(painting.width()), int(row) + 1);
            rows.push_back(row);
        }
    };
    return averaged(painting.surface(), size, shadeSampleRows);
}

bool writeThumbnail(AppState& state, uint32_t size, const std::string& path) {
    const Surface thumbnail = litThumbnail(state.painting, size);
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
