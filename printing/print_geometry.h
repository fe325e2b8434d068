#pragma once

#include <cstdint>

namespace dw {

// Where a painting lands on the printable area, in device pixels.
struct PrintPlacement {
    int64_t x = 0;
    int64_t y = 0;
    int64_t width = 0;
    int64_t height = 0;

    bool operator==(const PrintPlacement&) const = default;
};

// Fit to the page's width, or to its height when that is too tall, shrink to 90 % and centre.
// Every step truncates, and the 90 % is the single-precision 0.9, so a full 4800 pixels
// becomes 4319.
PrintPlacement placeOnPage(int64_t paintingWidth, int64_t paintingHeight, int64_t pageWidth,
                           int64_t pageHeight);

}  // namespace dw
