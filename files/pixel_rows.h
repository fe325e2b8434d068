#pragma once

#include <cstdint>

namespace dw {

class Surface;

inline bool sidesFit(int64_t width, int64_t height, uint32_t maxSide) {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide;
}

enum class ChannelOrder { Rgb, Bgr };

// Where a decoder puts its picture: the size first, then each row from the top, in the layout
// the library gives, so that no decoder needs a copy of the whole picture of its own.
class PixelRows {
  public:
    virtual ~PixelRows() = default;

    // Before the first row. False when the picture cannot be held; outOfMemory() says so.
    bool start(uint32_t width, uint32_t height);
    // Row y from the top: width pixels of bytesPerPixel bytes (3, or 4 with the fourth dropped).
    virtual void put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel,
                     ChannelOrder order) = 0;
    // Where the decoder may write row y, laid out as it will then put it, so that the row is
    // not copied again; null when the rows keep no such place.
    virtual uint8_t* placeForRow(uint32_t y, uint32_t bytesPerPixel, ChannelOrder order);
    // A picture a decoder could only give whole. False when it cannot be held.
    virtual bool take(Surface&& picture);
    // The rows of a picture already held. False when they cannot be held here.
    bool putPicture(const Surface& picture);

    bool outOfMemory() const { return outOfMemory_; }

  protected:
    // May throw std::bad_alloc.
    virtual void allocate(uint32_t width, uint32_t height) = 0;

  private:
    bool outOfMemory_ = false;
};

// Packed rows of a whole picture, top row first.
bool putPixels(PixelRows& rows, const uint8_t* pixels, uint32_t width, uint32_t height,
               uint32_t bytesPerPixel, ChannelOrder order);

}  // namespace dw
