#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "files/byte_stream.h"

namespace dw {

enum class FileMode { Read, Write, Append };

// A binary file opened for one operation and closed when it ends, on every path.
class FileStream : public ByteSource, public ByteSink {
  public:
    FileStream() = default;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;
    ~FileStream() override { close(); }

    // Write truncates. The size is taken at open time.
    bool open(const std::string& path, FileMode mode);
    // Takes over an open descriptor (closed with the stream, or here when this fails).
    bool adopt(int descriptor, const std::string& path, FileMode mode);
    // False when buffered data could not be written out.
    bool close();
    bool isOpen() const { return file_ != nullptr; }
    uint64_t size() const { return size_; }
    const std::string& path() const { return path_; }

    std::size_t read(void* destination, std::size_t count) override;
    bool skip(uint64_t count) override;
    uint64_t available() const override;
    bool write(const void* source, std::size_t count) override;
    bool seek(uint64_t offset);
    uint64_t tell() const;
    // Pushes written data to the disk, so that a rename after it cannot expose a hollow file.
    bool flushToDisk();

  private:
    static constexpr std::size_t kWritebackStep = 16u << 20;

    std::FILE* file_ = nullptr;
    std::string path_;
    FileMode mode_ = FileMode::Read;
    uint64_t size_ = 0;
    std::size_t unsent_ = 0;  // bytes written since the disk was last asked to take them
};

bool fileExists(const std::string& path);

}  // namespace dw
