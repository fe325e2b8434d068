#pragma once

#include <cstdint>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/pixel_rows.h"

namespace dw {

// Rows into a 24-bit picture. Its memory is touched only where rows arrive, so that a damaged
// file refused after its first rows costs little; the picture is made once every row is in.
class SurfaceRows final : public PixelRows {
  public:
    void put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel,
             ChannelOrder order) override;
    bool take(Surface&& picture) override;

    // Once the decoder succeeded: false, leaving the surface as it was, when the picture
    // cannot be held.
    bool moveTo(Surface& surface);

  private:
    void allocate(uint32_t width, uint32_t height) override;

    LargeBuffer<uint8_t> bgr_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    Surface whole_;
};

}  // namespace dw
