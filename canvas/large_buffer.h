#pragma once

#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace dw {

// Raw memory for big, trivially copyable arrays (cells, pixels, planes). Blocks of a few
// megabytes and more are mapped on huge-page boundaries and advised as huge pages: faulting a
// 300 MB painting in 4 KiB pages costs most of a second, in huge pages a few dozen ms.
void* allocateLarge(std::size_t bytes);
void releaseLarge(void* memory, std::size_t bytes) noexcept;
// The kernel may take the block's pages back when memory runs short; until then they stay,
// and writing to them keeps them. Reading a page taken back gives zeros.
void lendLarge(void* memory, std::size_t bytes) noexcept;

template <class T>
class LargeBuffer {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    LargeBuffer() = default;
    explicit LargeBuffer(std::size_t count) { allocate(count); }
    ~LargeBuffer() { reset(); }

    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;
    LargeBuffer(LargeBuffer&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    LargeBuffer& operator=(LargeBuffer&& other) noexcept {
        if (this != &other) {
            reset();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }

    // Contents are unspecified afterwards; a same-sized buffer is kept as it is.
    void allocate(std::size_t count) {
        if (count == size_ && data_) {
            return;
        }
        reset();
        if (count == 0) {
            return;
        }
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_alloc();
        }
        data_ = static_cast<T*>(allocateLarge(count * sizeof(T)));
        size_ = count;
    }

    void reset() noexcept {
        if (data_) {
            releaseLarge(data_, size_ * sizeof(T));
        }
        data_ = nullptr;
        size_ = 0;
    }

    // Keeps the buffer but lets the kernel reclaim its pages under pressure: its contents are
    // unspecified afterwards.
    void lend() noexcept {
        if (data_) {
            lendLarge(data_, size_ * sizeof(T));
        }
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }

  private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace dw
