#include "files/fenced_decoding.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <new>

#include "canvas/surface.h"
#include "files/devil_decoding.h"
#include "platform/progress.h"
#include "platform/user_folders.h"

namespace dw {
namespace {

FencedDecoder& currentDecoder() {
    static FencedDecoder decoder;
    return decoder;
}

// Closes the file on every path.
class OpenedFile {
  public:
    explicit OpenedFile(const std::string& path)
        : descriptor_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenedFile() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    int descriptor() const { return descriptor_; }

  private:
    int descriptor_;
};

bool start(platform::FencedProcess& child, PictureKind kind, int input) {
    const FencedDecoder& decoder = currentDecoder();
    if (decoder.route == FencedDecoder::Route::ForkedCopy) {
        return child.startCopy([kind](int in, int out) { return decodeWithDevil(in, out, kind); },
                               input, decoder.limits);
    }
    const std::string program = decoder.program.empty()
                                    ? (platform::executableFolder() / "daubwerk-decode").string()
                                    : decoder.program;
    return child.start(program, {std::string(fencedKindName(kind))}, input, decoder.limits);
}

// The promised stream, checked as it comes: a header of sane size, exactly its rows, then the
// end of the output and a clean exit.
bool receive(platform::FencedProcess& child, Surface& picture) {
    FencedPictureHeader header;
    const FencedPictureHeader expected;
    if (!child.read(&header, sizeof header) ||
        std::memcmp(header.magic, expected.magic, sizeof header.magic) != 0 || header.width == 0 ||
        header.height == 0 || header.width > Surface::kMaxSide ||
        header.height > Surface::kMaxSide) {
        return false;
    }
    picture.create(header.width, header.height);
    if (!picture.valid()) {
        return false;
    }
    for (uint32_t y = 0; y < header.height; ++y) {
        if (!child.read(picture.row(y), std::size_t(header.width) * 3)) {
            return false;
        }
    }
    return child.finishCleanly();
}

}  // namespace

bool decodeFenced(const std::string& path, PictureKind kind, Surface& surface) {
    const OpenedFile file(path);
    platform::FencedProcess child;
    // A decoder that takes its time gets a progress window (after a moment, so that quick
    // ones show nothing) whose Cancel ends it; the program serves its windows meanwhile.
    std::unique_ptr<platform::Progress> progress;
    const auto started = std::chrono::steady_clock::now();
    child.whileWaiting([&] {
        const auto waited = std::chrono::steady_clock::now() - started;
        if (!progress && waited > std::chrono::milliseconds(200)) {
            progress = platform::startProgress("Reading " + path);
        }
        return !progress || progress->proceed(waited / fencedDecoder().limits.wallClock);
    });
    Surface picture;
    try {
        if (file.descriptor() < 0 || !start(child, kind, file.descriptor()) ||
            !receive(child, picture)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    surface = std::move(picture);
    return true;
}

void setFencedDecoder(const FencedDecoder& decoder) {
    currentDecoder() = decoder;
}

const FencedDecoder& fencedDecoder() {
    return currentDecoder();
}

}  // namespace dw
