#include "store/large_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <utility>

namespace large_memory {
namespace {

constexpr std::size_t kLargePage = 2 << 20;

std::size_t mappedBytes(std::size_t bytes) {
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

// A mapping that starts on a large page, so that the system can back all of it with them.
void* mapAligned(std::size_t bytes) {
    std::size_t wanted = mappedBytes(bytes);
    void* raw = ::mmap(nullptr, wanted + kLargePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    auto start = reinterpret_cast<std::uintptr_t>(raw);
    auto aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > start)
        ::munmap(raw, aligned - start);
    std::size_t after = start + wanted + kLargePage - (aligned + wanted);
    if (after > 0)
        ::munmap(reinterpret_cast<void*>(aligned + wanted), after);
    void* memory = reinterpret_cast<void*>(aligned);
    ::madvise(memory, wanted, MADV_HUGEPAGE); // only a hint: all works the same without it
    return memory;
}

} // namespace

void* allocate(std::size_t bytes) noexcept {
    if (bytes < kLargeBytes)
        return std::malloc(bytes ? bytes : 1);
    return mapAligned(bytes);
}

void release(void* memory, std::size_t bytes) noexcept {
    if (!memory)
        return;
    if (bytes < kLargeBytes)
        std::free(memory);
    else
        ::munmap(memory, mappedBytes(bytes));
}

} // namespace large_memory

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    if (this != &other) {
        large_memory::release(data_, capacity_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

bool ByteBuffer::reserve(std::size_t capacity) {
    if (capacity <= capacity_)
        return true;
    auto* grown = static_cast<char*>(large_memory::allocate(capacity));
    if (!grown)
        return false;
    if (size_ > 0)
        std::memcpy(grown, data_, size_);
    large_memory::release(data_, capacity_);
    data_ = grown;
    capacity_ = capacity;
    return true;
}
