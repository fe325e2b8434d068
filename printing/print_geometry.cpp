#include "printing/print_geometry.h"

namespace dw {
namespace {

// Widened to double before the product: in float arithmetic 4800 x 0.9f rounds up to 4320.
constexpr double kShrink = double(0.9f);

}  // namespace

PrintPlacement placeOnPage(int64_t paintingWidth, int64_t paintingHeight, int64_t pageWidth,
                           int64_t pageHeight) {
    PrintPlacement place;
    if (paintingWidth <= 0 || paintingHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) {
        return place;
    }
    int64_t width = pageWidth;
    int64_t height = int64_t(double(paintingHeight) / (double(paintingWidth) / double(pageWidth)));
    if (height > pageHeight) {
        width = int64_t(double(width) / (double(height) / double(pageHeight)));
        height = pageHeight;
    }
    place.width = int64_t(double(width) * kShrink);
    place.height = int64_t(double(height) * kShrink);
    place.x = pageWidth / 2 - place.width / 2;
    place.y = pageHeight / 2 - place.height / 2;
    return place;
}

}  // namespace dw
