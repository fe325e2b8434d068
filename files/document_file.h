#pragma once

#include <cstdint>
#include <string>

namespace dw {

class Canvas;
class UndoHistory;

// The painting document (".pai"): an 80-byte header, then the cells. Version 2 stores five
// planes through the block codec and the heights raw; version 1 stores raw 12-byte cells.
inline constexpr int32_t kDocumentMagic = 24279;
inline constexpr std::size_t kDocumentHeaderSize = 80;

enum class DocumentVersion : int32_t { RawCells = 1, Compressed = 2 };

// Replaces the painting with the file's. The undo history is cleared as soon as the file is
// open. A refused file (shown to the user) leaves the painting exactly as it was.
bool LoadDocument(Canvas& painting, UndoHistory& history, const std::string& path);

// Writes the painting; false if anything could not be written, in which case a file that was
// there before is left untouched.
bool SaveDocument(const Canvas& painting, const std::string& path,
                  DocumentVersion version = DocumentVersion::Compressed);

}  // namespace dw
