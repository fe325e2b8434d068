#include "files/file_content.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>

#include "files/byte_stream.h"
#include "files/document_file.h"
#include "files/file_stream.h"
#include "files/picture_kind.h"

namespace dw {

FileContent fileContentOf(const std::string& path) {
    // Opening a pipe would wait for ever.
    struct stat info {};
    FileStream file;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(path, FileMode::Read)) {
        return FileContent::Unreadable;
    }
    uint8_t head[kSignatureBytes];
    const std::size_t got = file.read(head, sizeof head);
    if (got >= 4 && int32_t(loadLE32(head)) == kDocumentMagic) {
        return FileContent::Document;
    }
    const std::string extension = std::filesystem::path(path).extension().string();
    return pictureKindOf({head, got}, extension.empty() ? extension : extension.substr(1))
               ? FileContent::Picture
               : FileContent::Other;
}

}  // namespace dw
