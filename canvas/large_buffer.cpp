#include "canvas/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace dw {
namespace {

constexpr std::size_t kHugePage = 2u << 20;
constexpr std::size_t kMapThreshold = 2 * kHugePage;

std::size_t mappedLength(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// The last block given back, kept for the next request of its length: a painting replaced by
// one of the same size (an Open, an Import, a New) then writes into pages already faulted in
// instead of having the kernel clear fresh ones, which costs more than the work itself. Until
// then the kernel may take its pages back.
class RetiredBlock {
  public:
    void* take(std::size_t length) {
        const std::lock_guard lock(mutex_);
        if (!memory_ || length_ != length) {
            return nullptr;
        }
        return std::exchange(memory_, nullptr);
    }
    void keep(void* memory, std::size_t length) {
        madvise(memory, length, MADV_FREE);
        const std::lock_guard lock(mutex_);
        if (memory_) {
            munmap(memory_, length_);
        }
        memory_ = memory;
        length_ = length;
    }
    // Gives the block back to the system; false if none was kept.
    bool drop() {
        const std::lock_guard lock(mutex_);
        if (!memory_) {
            return false;
        }
        munmap(std::exchange(memory_, nullptr), length_);
        return true;
    }

  private:
    std::mutex mutex_;
    void* memory_ = nullptr;
    std::size_t length_ = 0;
};

RetiredBlock& retiredBlock() {
    static RetiredBlock* block = new RetiredBlock;  // outlives every static buffer
    return *block;
}

}  // namespace

void* allocateLarge(std::size_t bytes) {
    if (bytes < kMapThreshold) {
        void* memory = std::malloc(bytes);
        if (!memory) {
            throw std::bad_alloc();
        }
        return memory;
    }
    const std::size_t length = mappedLength(bytes);
    if (void* kept = retiredBlock().take(length)) {
        return kept;
    }
    // Over-map by one huge page so that the block can start on a huge-page boundary.
    auto map = [&] {
        return mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    };
    void* raw = map();
    // A kept block of another length must not be what makes memory run out.
    if (raw == MAP_FAILED && retiredBlock().drop()) {
        raw = map();
    }
    if (raw == MAP_FAILED) {
        throw std::bad_alloc();
    }
    auto start = reinterpret_cast<std::uintptr_t>(raw);
    std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) {
        munmap(raw, aligned - start);
    }
    std::uintptr_t end = start + length + kHugePage;
    if (end > aligned + length) {
        munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    }
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void releaseLarge(void* memory, std::size_t bytes) noexcept {
    if (bytes < kMapThreshold) {
        std::free(memory);
        return;
    }
    retiredBlock().keep(memory, mappedLength(bytes));
}

void lendLarge(void* memory, std::size_t bytes) noexcept {
    if (bytes >= kMapThreshold) {
        madvise(memory, mappedLength(bytes), MADV_FREE);
    }
}

}  // namespace dw
