#pragma once

#include <cstdint>
#include <string>

#include "files/byte_stream.h"

namespace dw {

class Canvas;
struct CanvasCell;

// The painting document (".pai"): an 80-byte header, then the cells. Version 2 stores five
// planes through the block codec and the heights raw; version 1 stores raw 12-byte cells.
inline constexpr int32_t kDocumentMagic = 24279;
inline constexpr std::size_t kDocumentHeaderSize = 80;

enum class DocumentVersion : int32_t { RawCells = 1, Compressed = 2 };

enum class DocumentReadResult {
    Loaded,
    Corrupt,            // not a document, or its body does not match its header
    LaterVersion,       // a version this program does not know
    UnreadableVersion,  // version 3: known, but never given a body reader
    OutOfMemory,        // a sound document this run cannot hold
};

// Reads a document of fileSize bytes (the header included) into the painting. A header
// whose body cannot fit in fileSize is refused before anything is allocated for it. Only
// Loaded changes the painting; nothing is shown.
DocumentReadResult readDocument(ByteSource& source, uint64_t fileSize, Canvas& painting);

// Replaces the painting with the file's. A refused file is shown to the user and leaves the
// painting exactly as it was; the undo history is never touched, so that a refusal loses
// nothing (the caller clears it once a new painting is in).
bool LoadDocument(Canvas& painting, const std::string& path);

// The version 1 document of a block of cells, kept apart from any painting: lossless.
bool writeExactDocument(ByteSink& sink, const CanvasCell* cells, uint32_t width, uint32_t height);

// What LoadDocument shows for a file it cannot open and for one that is no document, for a
// file refused before it is read.
void reportCannotOpen();
void reportNotADocument();

// Writes the painting; false if anything could not be written, in which case a file that was
// there before is left untouched.
bool SaveDocument(const Canvas& painting, const std::string& path,
                  DocumentVersion version = DocumentVersion::Compressed);

}  // namespace dw
