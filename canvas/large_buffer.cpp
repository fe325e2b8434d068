#include "canvas/large_buffer.h"

#include <sys/mman.h>

#include <algorithm>
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

// The last few blocks given back, kept for the next requests of their lengths: a painting
// replaced by one of the same size (an Open, an Import, a New) then writes into pages already
// faulted in instead of having the kernel clear fresh ones, which costs more than the work
// itself. Until then the kernel may take their pages back. A few, because a painting gives
// back its cells, its picture and its history's copy together.
class RetiredBlocks {
  public:
    void* take(std::size_t length) {
        const std::lock_guard lock(mutex_);
        for (std::size_t i = count_; i-- > 0;) {
            if (blocks_[i].length == length) {
                void* memory = blocks_[i].memory;
                std::move(blocks_ + i + 1, blocks_ + count_, blocks_ + i);
                --count_;
                return memory;
            }
        }
        return nullptr;
    }
    void keep(void* memory, std::size_t length) {
        madvise(memory, length, MADV_FREE);
        const std::lock_guard lock(mutex_);
        if (count_ == kKept) {
            munmap(blocks_[0].memory, blocks_[0].length);
            std::move(blocks_ + 1, blocks_ + count_, blocks_);
            --count_;
        }
        blocks_[count_++] = {memory, length};
    }
    // Gives them all back to the system; false if none was kept.
    bool drop() {
        const std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < count_; ++i) {
            munmap(blocks_[i].memory, blocks_[i].length);
        }
        return std::exchange(count_, 0) > 0;
    }

  private:
    static constexpr std::size_t kKept = 4;
    struct Block {
        void* memory;
        std::size_t length;
    };
    std::mutex mutex_;
    Block blocks_[kKept] = {};
    std::size_t count_ = 0;
};

RetiredBlocks& retiredBlocks() {
    static RetiredBlocks* blocks = new RetiredBlocks;  // outlives every static buffer
    return *blocks;
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
    if (void* kept = retiredBlocks().take(length)) {
        return kept;
    }
    // Over-map by one huge page so that the block can start on a huge-page boundary.
    auto map = [&] {
        return mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    };
    void* raw = map();
    // Blocks kept for other lengths must not be what makes memory run out.
    if (raw == MAP_FAILED && retiredBlocks().drop()) {
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
    retiredBlocks().keep(memory, mappedLength(bytes));
}

void lendLarge(void* memory, std::size_t bytes) noexcept {
    if (bytes >= kMapThreshold) {
        madvise(memory, mappedLength(bytes), MADV_FREE);
    }
}

}  // namespace dw
