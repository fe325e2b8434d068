#pragma once

#include <cstddef>

#include "files/byte_stream.h"

namespace dw {

struct CanvasCell;

// The heights of a document's cells, stored raw, one float after another. They move in chunks:
// while the file gives or takes one chunk, another is copied from or into the cells.

// Sets the height of each of n cells from the source, and its unused bytes to 0. False if the
// source ends first; the cells are then partly written.
bool readHeights(ByteSource& source, CanvasCell* cells, std::size_t n);

// False if the sink did not take every byte.
bool writeHeights(ByteSink& sink, const CanvasCell* cells, std::size_t n);

}  // namespace dw
