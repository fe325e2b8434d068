#pragma once

#include <string>

#include "files/file_stream.h"

namespace dw {

// Writes a file through a temporary one beside it, renamed over the target only once every
// byte is on the disk: a failed save never damages the file that was there.
class SafeFileWriter {
  public:
    SafeFileWriter() = default;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();  // abandons an uncommitted file

    bool begin(const std::string& target);
    FileStream& stream() { return stream_; }
    // Flushes, syncs and renames; false (and nothing changed at the target) on any failure.
    bool commit();

  private:
    void abandon();

    std::string target_;
    std::string temporary_;
    FileStream stream_;
};

}  // namespace dw
