#pragma once

#include <string>

#include "files/file_stream.h"
#include "files/temporary_journal.h"

namespace dw {

// Writes a file through a temporary one beside it, renamed over the target only once every
// byte is on the disk: a failed save never damages the file that was there.
class SafeFileWriter {
  public:
    SafeFileWriter() = default;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();  // abandons an uncommitted file

    // The temporary file with a stream open to write it. Where the file system allows it the
    // temporary has no name until it is complete, so that a writer killed half-way leaves
    // nothing behind.
    bool begin(const std::string& target);
    // The temporary file for a writer that takes a path (the picture library): it ends in the
    // target's extension, so that the format chosen by extension is the same.
    bool beginForPath(const std::string& target);
    FileStream& stream() { return stream_; }
    // Empty while the temporary has no name.
    const std::string& temporaryPath() const { return temporary_; }
    // Flushes, syncs and renames; false (and nothing changed at the target) on any failure.
    bool commit();

  private:
    bool createTemporary(const std::string& target, bool keepExtension);
    bool beginUnnamed(const std::string& target);
    bool nameUnnamed();
    // A temporary name beside the target, noted before it is used.
    std::string nextTemporaryName(const std::string& suffix);
    void abandon();

    std::string target_;
    std::string temporary_;
    int unnamed_ = -1;  // the nameless temporary, kept open to give it a name at commit
    TemporaryNote note_;
    FileStream stream_;
};

}  // namespace dw
