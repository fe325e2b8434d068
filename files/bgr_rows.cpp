#include <algorithm>

#include "canvas/surface.h"
#include "files/picture_encoders.h"

namespace dw {

const uint8_t* bgrRow(const Surface& surface, uint32_t y, std::vector<uint8_t>& spare) {
    const uint8_t* row = surface.row(y);
    const uint32_t step = surface.bytesPerPixel();
    if (step == 3) {
        return row;
    }
    spare.resize(std::size_t(surface.width()) * 3);
    for (uint32_t x = 0; x < surface.width(); ++x) {
        std::copy_n(row + std::size_t(x) * step, 3, spare.data() + std::size_t(x) * 3);
    }
    return spare.data();
}

}  // namespace dw
