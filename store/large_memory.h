#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

// Memory for the few large buffers a big list needs (its file's bytes, the list of card
// references, the orders of a sort or an examination). From half a megabyte on, a buffer is
// mapped in large pages where the system offers them: touching a fresh buffer of a hundred
// megabytes then costs a few dozen page faults instead of tens of thousands (on a virtual
// machine a fault of a small page can cost over ten microseconds: 3 ms a megabyte). Such a
// buffer takes at least 2 MB; smaller buffers come from the heap as usual.
namespace large_memory {

// Bytes from which a buffer is mapped on its own, in large pages.
constexpr std::size_t kLargeBytes = 512 << 10;

// Memory for the bytes (any size, aligned for every type); nullptr when memory is exhausted.
void* allocate(std::size_t bytes) noexcept;
// Gives back memory from allocate; bytes must be the size it was asked for.
void release(void* memory, std::size_t bytes) noexcept;

// Mapped memory that starts on a multiple of 2 MB, in large pages when asked and offered;
// nullptr when memory is exhausted. For blocks that find their start by masking an address.
void* mapBlock(std::size_t bytes, bool largePages) noexcept;
void unmapBlock(void* memory, std::size_t bytes) noexcept;

// The bytes mapped by this module now (the heap's blocks not included), for memory figures.
std::size_t mappedBytes() noexcept;

} // namespace large_memory

// An allocator for std::vector that takes its memory from large_memory.
template <class T> struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        if (void* memory = large_memory::allocate(n * sizeof(T)))
            return static_cast<T*>(memory);
        throw std::bad_alloc();
    }
    void deallocate(T* memory, std::size_t n) noexcept {
        large_memory::release(memory, n * sizeof(T));
    }

    template <class U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};

template <class T> using LargeVector = std::vector<T, LargeAllocator<T>>;

// The same, but a resize leaves the new elements as they come (not cleared): for a buffer that
// is written in full before it is read. Fresh mapped memory is zero anyway; clearing it first
// would cost a second pass over it.
template <class T> struct UnclearedLargeAllocator : LargeAllocator<T> {
    template <class U> struct rebind { using other = UnclearedLargeAllocator<U>; };
    UnclearedLargeAllocator() = default;
    template <class U> UnclearedLargeAllocator(const UnclearedLargeAllocator<U>&) noexcept {}

    template <class U> void construct(U* at) noexcept { ::new (static_cast<void*>(at)) U; }
    template <class U, class... Args> void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
};

// Bytes made in memory before they go elsewhere (a file made whole).
using LargeBytes = std::vector<char, UnclearedLargeAllocator<char>>;
