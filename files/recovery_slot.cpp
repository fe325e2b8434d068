#include "files/recovery_slot.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "files/document_file.h"
#include "files/safe_file_writer.h"

namespace dw {
namespace {

namespace fs = std::filesystem;

// Fails the write once the owner asks to stop, so that the writer abandons its temporary.
class CancellableSink : public ByteSink {
  public:
    CancellableSink(ByteSink& inner, const std::atomic<bool>& cancel)
        : inner_(inner), cancel_(cancel) {}
    bool write(const void* source, std::size_t count) override {
        return !cancel_.load(std::memory_order_relaxed) && inner_.write(source, count);
    }

  private:
    ByteSink& inner_;
    const std::atomic<bool>& cancel_;
};

}  // namespace

RecoverySlot::RecoverySlot(fs::path folder, std::string id, platform::FileLock lock)
    : folder_(std::move(folder)), id_(std::move(id)), lock_(std::move(lock)) {}

RecoverySlot::~RecoverySlot() {
    std::error_code error;
    if (lock_.held() && !fs::exists(file(recovery_names::kPainting), error)) {
        lock_.removeFile();
    }
}

std::optional<RecoverySlot> RecoverySlot::open(const fs::path& folder) {
    const std::string suffix = recovery_names::kLock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::string pattern = (folder / ("autosave-XXXXXX" + suffix)).string();
        const int descriptor = mkostemps(pattern.data(), int(suffix.size()), O_CLOEXEC);
        if (descriptor < 0) {
            return std::nullopt;
        }
        platform::FileLock lock = platform::FileLock::holdCreated(descriptor, pattern);
        if (lock.held()) {
            const std::string name = fs::path(pattern).filename().string();
            return RecoverySlot(folder, name.substr(0, name.size() - suffix.size()),
                                std::move(lock));
        }
    }
    return std::nullopt;
}

bool RecoverySlot::write(const CanvasCell* cells, uint32_t width, uint32_t height,
                         const RecoveryNote& note, const std::atomic<bool>& cancel) {
    SafeFileWriter painting;
    if (!painting.begin(file(recovery_names::kPainting).string())) {
        return false;
    }
    CancellableSink sink(painting.stream(), cancel);
    if (!writeExactDocument(sink, cells, width, height) || !painting.commit()) {
        return false;
    }
    const std::string text = formatRecoveryNote(note);
    SafeFileWriter noteFile;
    return noteFile.begin(file(recovery_names::kNote).string()) &&
           noteFile.stream().write(text.data(), text.size()) && noteFile.commit();
}

void RecoverySlot::clear() {
    std::error_code error;
    fs::remove(file(recovery_names::kPainting), error);
    fs::remove(file(recovery_names::kNote), error);
}

}  // namespace dw
