#pragma once

#include <tbb/task_group.h>

#include <cstdint>
#include <vector>

#include "canvas/canvas_cell.h"
#include "canvas/large_buffer.h"
#include "files/pixel_rows.h"

namespace dw {

class Surface;

// File > Import Image turns a pixel into a flat, fully glossy cell: the grey common to red,
// green and blue becomes the paint value (which the renderer adds back to all three) and the
// colour keeps the rest, so at least one colour byte is 0.
inline CanvasCell cellFromPixel(uint8_t red, uint8_t green, uint8_t blue) {
    uint8_t paint = red < green ? red : green;
    paint = blue < paint ? blue : paint;
    return {uint8_t(red - paint),
            uint8_t(green - paint),
            uint8_t(blue - paint),
            paint,
            255,
            {0, 0, 0},
            1.0f};
}

// A decoded picture straight into one cell per pixel, rows from the top: cell (x, y) sits at
// y * width + x. Bands of rows are turned into cells on another core while the decoder goes
// on. A picture of a size no painting has is measured but not kept, so that the importer can
// say why it is refused.
class CellRows final : public PixelRows {
  public:
    CellRows() = default;
    CellRows(const CellRows&) = delete;
    CellRows& operator=(const CellRows&) = delete;
    ~CellRows() noexcept override;

    void put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel,
             ChannelOrder order) override;
    uint8_t* placeForRow(uint32_t y, uint32_t bytesPerPixel, ChannelOrder order) override;

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    // Once the decoder succeeded, for a picture of a painting's size.
    LargeBuffer<CanvasCell> release();

  private:
    struct Band {
        std::vector<uint8_t> pixels;
        uint32_t first = 0;
        uint32_t count = 0;
        uint32_t bytesPerPixel = 3;
        ChannelOrder order = ChannelOrder::Bgr;
        tbb::task_group converting;
    };
    // Enough that a converting core held up for a moment (a page of fresh memory met, another
    // program's turn) does not stop the decoder.
    static constexpr int kBands = 16;

    void allocate(uint32_t width, uint32_t height) override;
    // The band that row y goes to, the filled one handed over first when y cannot join it.
    Band& bandFor(uint32_t y, uint32_t bytesPerPixel, ChannelOrder order);
    void handOver();
    void convert(Band& band);
    void waitForAll();

    LargeBuffer<CanvasCell> cells_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    Band bands_[kBands];
    int filling_ = 0;
};

// The cells of a picture already decoded, of a painting's size. Throws std::bad_alloc when they do
// not fit in memory.
LargeBuffer<CanvasCell> cellsFromPicture(const Surface& picture);

}  // namespace dw
