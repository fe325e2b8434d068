#include "canvas/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace dw {
namespace {

constexpr std::size_t kHugePage = 2u << 20;
constexpr std::size_t kMapThreshold = 2 * kHugePage;

std::size_t mappedLength(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
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
    // Over-map by one huge page so that the block can start on a huge-page boundary.
    const std::size_t length = mappedLength(bytes);
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
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
    munmap(memory, mappedLength(bytes));
}

void lendLarge(void* memory, std::size_t bytes) noexcept {
    if (bytes >= kMapThreshold) {
        madvise(memory, mappedLength(bytes), MADV_FREE);
    }
}

}  // namespace dw
