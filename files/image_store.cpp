#include "files/image_store.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "canvas/surface.h"
#include "files/file_stream.h"
#include "files/image_file.h"
#include "files/jg8_file.h"
#include "files/picture_probe.h"
#include "files/store_file.h"
#include "files/temporary_folder.h"
#include "platform/message_box.h"

namespace dw {
namespace {

// Colour pictures are kept as JPEG files, grey ones as raw JG8 files.
enum class StoreKind { Colour, Grey };

const char* storePath(StoreKind kind) {
    return kind == StoreKind::Colour ? "data/ipack" : "data/ppack";
}

const char* storedExtension(StoreKind kind) {
    return kind == StoreKind::Colour ? ".jpg" : ".jg8";
}

// The old picture library's own quality, so that the store's copies stay as fine as ever.
constexpr int kStoreJpegQuality = 99;

bool packFailureShown = false;

void reportPackFailure() {
    if (!packFailureShown) {
        packFailureShown = true;
        platform::showMessage("Failed to pack image!", "Error");
    }
}

// The stored name doubles as a file name in the temporary folder: no folders in it, and room
// for it and its NUL in the entry's name field.
bool storableName(const std::string& storedName) {
    return storedName.size() < kStoreNameSize && storedName.find('/') == std::string::npos &&
           storedName.find('\0') == std::string::npos;
}

void createStoreIfMissing(const char* path) {
    if (fileExists(path)) {
        return;
    }
    mkdir("data", 0777);  // a failure shows when the store cannot be appended to
    FileStream store;
    store.open(path, FileMode::Append);
}

// A colour entry is a JPEG written by this program: one whose header cannot be read, or that
// declares more than a stored picture can be, is damage.
bool storedPictureFits(const StoreFile& store, const StoreEntry& entry) {
    StoreEntrySource source(store, entry);
    const auto size = probePictureSize(source);
    return size && size->width <= kMaxStoredPictureSide && size->height <= kMaxStoredPictureSide;
}

// A JPEG entry goes through a file of its stored name, which DevIL reads by its extension.
bool loadColourEntry(const StoreFile& store, const StoreEntry& entry, const std::string& storedName,
                     Surface& surface) {
    const TemporaryFolder scratch;
    const std::string copy = scratch.file(storedName);
    FileStream file;
    const bool extracted = !copy.empty() && file.open(copy, FileMode::Write) &&
                           store.copyData(entry, file) && file.close();
    if (!extracted) {
        return false;
    }
    if (storedPictureFits(store, entry)) {
        LoadImageFile(surface, copy);
    } else {
        platform::showMessage(copy + " Failed to load!", "Error");
    }
    return true;
}

// A JG8 entry is read where it lies.
void loadGreyEntry(const StoreFile& store, const StoreEntry& entry, const std::string& storedName,
                   Surface& surface) {
    StoreEntrySource source(store, entry);
    const uint64_t body = entry.size > kJgHeaderSize ? entry.size - kJgHeaderSize : 0;
    if (readJG8(source, body, surface) == JgReadResult::Damaged) {
        platform::showMessage(storedName + " Failed to load!", "Error");
    }
}

// True once a matching entry was handed to its reader, whatever the reader made of it: the
// first match ends the lookup.
bool loadFromStore(Surface& surface, StoreKind kind, const std::string& storedName) {
    StoreFile store;
    if (!store.open(storePath(kind), StoreAccess::Read)) {
        return false;
    }
    uint64_t offset = 0;
    for (int counted = 0; counted < kStoreScanLimit; ++counted) {
        const auto entry = store.entryAt(offset);
        if (!entry) {
            return false;
        }
        if (entry->matches(storedName)) {
            if (kind == StoreKind::Grey) {
                loadGreyEntry(store, *entry, storedName, surface);
                return true;
            }
            if (loadColourEntry(store, *entry, storedName, surface)) {
                return true;
            }
            // An entry that could not be copied out is passed over like any other.
        }
        offset = entry->end();
    }
    return false;
}

void append(StoreKind kind, const std::string& storedName, const std::vector<uint8_t>& bytes) {
    StoreFile store;
    if (!store.open(storePath(kind), StoreAccess::Append) || !store.append(storedName, bytes)) {
        reportPackFailure();
    }
}

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path) {
    FileStream file;
    if (!file.open(path, FileMode::Read) || file.size() > UINT32_MAX) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(std::size_t(file.size()));
    if (!readExact(file, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

void packColour(const Surface& surface, const std::string& storedName) {
    const TemporaryFolder scratch;
    const std::string copy = scratch.file(storedName);
    if (!SaveImageFile(surface, copy, FileReplacement::InPlace, kStoreJpegQuality)) {
        platform::showMessage("Failed to save image", "Error");
    }
    const auto bytes = readWholeFile(copy);
    if (bytes) {
        append(StoreKind::Colour, storedName, *bytes);
    } else {
        reportPackFailure();
    }
}

// The JG8 copy is made in memory and read back, so that the surface is grey from the first use
// on, exactly as it will come from the store.
void packGrey(Surface& surface, const std::string& storedName) {
    MemorySink copy;
    if (!writeJG8(copy, surface, 0)) {
        platform::showMessage("Failed to save image", "Error");
        return;
    }
    MemorySource again(copy.bytes());
    readJG8(again, copy.bytes().size() - kJgHeaderSize, surface);
    append(StoreKind::Grey, storedName, copy.bytes());
}

void loadPacked(Surface& surface, StoreKind kind, const std::string& name,
                const std::string& folder) {
    const std::string storedName = name + storedExtension(kind);
    const std::string source = folder + name + ".bmp";
    if (!storableName(storedName)) {
        LoadImageFile(surface, source);
        reportPackFailure();
        return;
    }
    createStoreIfMissing(storePath(kind));
    if (loadFromStore(surface, kind, storedName) || !LoadImageFile(surface, source)) {
        return;
    }
    if (kind == StoreKind::Colour) {
        packColour(surface, storedName);
    } else {
        packGrey(surface, storedName);
    }
}

}  // namespace

void LoadPackedImage(Surface& surface, const std::string& name, const std::string& folder) {
    loadPacked(surface, StoreKind::Colour, name, folder);
}

void LoadPackedGreyImage(Surface& surface, const std::string& name, const std::string& folder) {
    loadPacked(surface, StoreKind::Grey, name, folder);
}

void allowPackFailureNoticeAgain() {
    packFailureShown = false;
}

}  // namespace dw
