#include "files/document_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <vector>

#include "canvas/canvas.h"
#include "files/channel_codec.h"
#include "files/file_stream.h"
#include "files/height_plane.h"
#include "files/safe_file_writer.h"
#include "platform/message_box.h"

namespace dw {
namespace {

static_assert(std::endian::native == std::endian::little,
              "cells and heights are stored in the machine's own little-endian layout");

constexpr uint32_t kCodecQuality = 1;
constexpr int kPlaneCount = 5;  // red, green, blue, paint, gloss: cell bytes 0..4

const char* const kCannotOpen = "The file you selected could not be opened!";
const char* const kCorrupt =
    "The file you selected is either corrupt \nor not a valid Daubwerk file.";
const char* const kLaterVersion = "The file you selected requires a later version of Daubwerk!";

bool readRawCells(ByteSource& file, LargeBuffer<CanvasCell>& cells) {
    return readExact(file, cells.data(), cells.size() * sizeof(CanvasCell));
}

bool readCompressedCells(ByteSource& file, LargeBuffer<CanvasCell>& cells, uint32_t width,
                         uint32_t height) {
    const std::size_t n = cells.size();
    auto* records = reinterpret_cast<uint8_t*>(cells.data());
    if (ReadCompressedPlanes(file, records, sizeof(CanvasCell), kPlaneCount, width, height,
                             kCodecQuality) == StreamState::SourceEnded) {
        return false;
    }
    return readHeights(file, cells.data(), n);
}

bool writeHeader(ByteSink& file, DocumentVersion version, uint32_t width, uint32_t height) {
    uint8_t header[kDocumentHeaderSize] = {};
    storeLE32(header + 0, uint32_t(kDocumentMagic));
    storeLE32(header + 4, uint32_t(version));
    storeLE32(header + 8, width);
    storeLE32(header + 12, height);
    return file.write(header, sizeof header);
}

bool writeRawCells(ByteSink& file, const CanvasCell* cells, std::size_t n) {
    // Bytes 5..7 of a cell are not part of the painting: store them as zero.
    constexpr std::size_t kChunk = 1 << 14;
    std::vector<CanvasCell> chunk(std::min(kChunk, n));
    for (std::size_t done = 0; done < n;) {
        const std::size_t step = std::min(kChunk, n - done);
        std::memcpy(chunk.data(), cells + done, step * sizeof(CanvasCell));
        for (std::size_t i = 0; i < step; ++i) {
            chunk[i].unused[0] = chunk[i].unused[1] = chunk[i].unused[2] = 0;
        }
        if (!file.write(chunk.data(), step * sizeof(CanvasCell))) {
            return false;
        }
        done += step;
    }
    return true;
}

bool writeCompressedCells(ByteSink& file, const Canvas& painting) {
    const std::size_t n = painting.cellCount();
    const CanvasCell* cells = painting.cells();
    if (!WriteCompressedPlanes(file, reinterpret_cast<const uint8_t*>(cells), sizeof(CanvasCell),
                               kPlaneCount, painting.width(), painting.height(), kCodecQuality)) {
        return false;
    }
    return writeHeights(file, cells, n);
}

// Version 1 holds every cell raw; version 2 five codec streams, each at least its byte count
// (a stream cut short of its blocks reads the rest as 0 and is accepted), and the raw heights.
uint64_t smallestBody(int32_t version, uint32_t width, uint32_t height) {
    const uint64_t cells = uint64_t(width) * height;
    if (version == int32_t(DocumentVersion::RawCells)) {
        return cells * sizeof(CanvasCell);
    }
    return kPlaneCount * sizeof(uint32_t) + cells * sizeof(float);
}

}  // namespace

DocumentReadResult readDocument(ByteSource& source, uint64_t fileSize, Canvas& painting) {
    uint8_t header[kDocumentHeaderSize];
    if (!readExact(source, header, sizeof header) || int32_t(loadLE32(header)) != kDocumentMagic) {
        return DocumentReadResult::Corrupt;
    }
    const auto version = int32_t(loadLE32(header + 4));
    const auto width = int32_t(loadLE32(header + 8));
    const auto height = int32_t(loadLE32(header + 12));
    if (version == 3) {
        return DocumentReadResult::UnreadableVersion;
    }
    if (version != 1 && version != 2) {
        return DocumentReadResult::LaterVersion;
    }
    const uint64_t body = fileSize > sizeof header ? fileSize - sizeof header : 0;
    if (!Canvas::sizeAllowed(width, height) ||
        smallestBody(version, uint32_t(width), uint32_t(height)) > body) {
        return DocumentReadResult::Corrupt;
    }
    // Fill a block of fresh cells and hand it to the painting only when the whole body is in.
    try {
        LargeBuffer<CanvasCell> cells(std::size_t(width) * std::size_t(height));
        const bool complete = version == 1 ? readRawCells(source, cells)
                                           : readCompressedCells(source, cells, width, height);
        if (!complete) {
            return DocumentReadResult::Corrupt;
        }
        painting.adoptCells(std::move(cells), uint32_t(width), uint32_t(height));
    } catch (const std::bad_alloc&) {
        return DocumentReadResult::OutOfMemory;
    }
    return DocumentReadResult::Loaded;
}

bool LoadDocument(Canvas& painting, const std::string& path) {
    // A folder, a device or a pipe is no document; opening a pipe would wait for ever.
    struct stat info {};
    FileStream file;
    if ((stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) ||
        !file.open(path, FileMode::Read)) {
        reportCannotOpen();
        return false;
    }
    switch (readDocument(file, file.size(), painting)) {
        case DocumentReadResult::Loaded:
            return true;
        case DocumentReadResult::Corrupt:
            reportNotADocument();
            return false;
        case DocumentReadResult::LaterVersion:
            platform::showMessage(kLaterVersion, "Error");
            return false;
        case DocumentReadResult::UnreadableVersion:
            return false;
        case DocumentReadResult::OutOfMemory:
            platform::showMessage("Out of memory!", "Error");
            return false;
    }
    return false;
}

bool writeExactDocument(ByteSink& sink, const CanvasCell* cells, uint32_t width, uint32_t height) {
    return writeHeader(sink, DocumentVersion::RawCells, width, height) &&
           writeRawCells(sink, cells, std::size_t(width) * height);
}

void reportCannotOpen() {
    platform::showMessage(kCannotOpen, "Error");
}

void reportNotADocument() {
    platform::showMessage({kCorrupt, "Error", platform::MessageIcon::Warning,
                           platform::MessageButtons::Ok, platform::MessageOwner::Frame});
}

bool SaveDocument(const Canvas& painting, const std::string& path, DocumentVersion version) {
    if (!painting.hasCells()) {
        return false;
    }
    SafeFileWriter writer;
    if (!writer.begin(path)) {
        return false;
    }
    ByteSink& file = writer.stream();
    const bool written = writeHeader(file, version, painting.width(), painting.height()) &&
                         (version == DocumentVersion::RawCells
                              ? writeRawCells(file, painting.cells(), painting.cellCount())
                              : writeCompressedCells(file, painting));
    return written && writer.commit();
}

}  // namespace dw
