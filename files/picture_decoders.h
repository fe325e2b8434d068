#pragma once

#include <cstdint>
#include <span>

#include "files/picture_kind.h"
#include "files/pixel_rows.h"

namespace dw {

class Surface;

// The maintained decoders, each on a whole file held in memory: true when the bytes were
// decoded into the rows, top row first, with any alpha dropped (as the old library's pictures
// drop it). A picture declaring a side above maxSide is refused before its pixels are
// allocated. Rows of a picture refused part way must not be used.
bool decodePng(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows);
bool decodeJpeg(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows);
bool decodeTiff(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows);
bool decodeGif(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows);
bool decodeWebP(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows);

// These into a surface, re-created as a 24-bit picture of the file's size; on failure it is
// left as it was.
bool decodePng(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);
bool decodeJpeg(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);
// Every kind of BMP (an embedded JPEG or PNG file by its own decoder); binary PGM and PPM
// (P5, P6).
bool decodeBmp(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);
bool decodeBinaryPnm(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);
// An OpenRaster archive by its merged picture, else by its visible PNG layers laid over white;
// no side above the painting's own limit. A hostile archive is refused before it is unpacked.
bool decodeOpenRaster(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);

// The decoder for a kind read in this process (not a fenced one); false for the others, and
// when memory runs out.
bool decodeInProcess(PictureKind kind, std::span<const uint8_t> bytes, uint32_t maxSide,
                     PixelRows& rows);

}  // namespace dw
