#include "files/bmp_run_lengths.h"

#include <algorithm>

#include "canvas/surface.h"

namespace dw {
namespace {

// The pen of the stream: its row counted from the first row stored (the bottom one, but for
// the rare writer of top-down run lengths), and its column.
class RunPen {
  public:
    RunPen(const BmpLayout& layout, Surface& picture) : layout_(layout), picture_(picture) {}

    bool inside() const { return row_ < layout_.height; }

    void put(BmpColour colour) {
        if (column_ < layout_.width) {
            const uint32_t y = layout_.topDown ? row_ : layout_.height - 1 - row_;
            uint8_t* pixel = picture_.row(y) + std::size_t(column_) * 3;
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
            ++column_;
        }
    }

    void nextLine() {
        column_ = 0;
        ++row_;
    }

    void move(uint32_t right, uint32_t up) {
        column_ = std::min(column_ + right, layout_.width);
        row_ += up;
    }

  private:
    const BmpLayout& layout_;
    Surface& picture_;
    uint32_t column_ = 0;
    uint32_t row_ = 0;
};

// The colour of pixel i of a run whose data starts at p (4-bit runs take two pixels a byte,
// high half first).
BmpColour colourOf(const BmpLayout& layout, const uint8_t* p, uint32_t i) {
    switch (layout.coding) {
        case BmpCoding::RunLength4:
            return layout.palette[i % 2 == 0 ? p[0] >> 4 : p[0] & 0x0F];
        case BmpCoding::RunLength24:
            return {p[0], p[1], p[2]};
        default:
            return layout.palette[p[0]];
    }
}

}  // namespace

void playRunLengths(const BmpLayout& layout, Surface& picture) {
    const std::span<const uint8_t> stream = layout.pixels;
    const std::size_t pixelBytes = layout.coding == BmpCoding::RunLength24 ? 3 : 1;
    RunPen pen(layout, picture);
    std::size_t at = 0;
    while (pen.inside() && at + 2 <= stream.size()) {
        const uint32_t count = stream[at];
        const uint32_t code = stream[at + 1];
        if (count > 0) {  // one colour (two alternating, for 4 bits) count times
            if (at + 1 + pixelBytes > stream.size()) {
                return;
            }
            for (uint32_t i = 0; i < count; ++i) {
                pen.put(colourOf(layout, stream.data() + at + 1, i));
            }
            at += 1 + pixelBytes;
        } else if (code == 0) {
            pen.nextLine();
            at += 2;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (at + 4 > stream.size()) {
                return;
            }
            pen.move(stream[at + 2], stream[at + 3]);
            at += 4;
        } else {  // code pixels given one by one, padded to an even number of bytes
            at += 2;
            const std::size_t length = layout.coding == BmpCoding::RunLength4
                                           ? (code + 1) / 2
                                           : std::size_t(code) * pixelBytes;
            const std::size_t available = std::min(length, stream.size() - at);
            for (uint32_t i = 0; i < code; ++i) {
                const std::size_t byte =
                    layout.coding == BmpCoding::RunLength4 ? i / 2 : i * pixelBytes;
                if (byte + pixelBytes > available) {
                    return;
                }
                pen.put(colourOf(layout, stream.data() + at + byte,
                                 layout.coding == BmpCoding::RunLength4 ? i % 2 : 0));
            }
            at += (length + 1) / 2 * 2;
        }
    }
}

}  // namespace dw
