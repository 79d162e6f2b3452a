#include "store/large_memory.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>

namespace large_memory {
namespace {

constexpr std::size_t kLargePage = 2 << 20;

std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

std::atomic<std::size_t> mapped{0};

} // namespace

void* mapBlock(std::size_t bytes, bool largePages) noexcept {
    std::size_t wanted = roundedUp(bytes);
    void* raw = ::mmap(nullptr, wanted + kLargePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    // Only the aligned part stays mapped.
    auto start = reinterpret_cast<std::uintptr_t>(raw);
    auto aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
    if (aligned > start)
        ::munmap(raw, aligned - start);
    std::size_t after = start + wanted + kLargePage - (aligned + wanted);
    if (after > 0)
        ::munmap(reinterpret_cast<void*>(aligned + wanted), after);
    void* memory = reinterpret_cast<void*>(aligned);
    if (largePages)
        ::madvise(memory, wanted, MADV_HUGEPAGE); // only a hint: all works the same without it
    mapped += wanted;
    return memory;
}

void unmapBlock(void* memory, std::size_t bytes) noexcept {
    if (!memory)
        return;
    ::munmap(memory, roundedUp(bytes));
    mapped -= roundedUp(bytes);
}

std::size_t mappedBytes() noexcept {
    return mapped;
}

void* allocate(std::size_t bytes) noexcept {
    if (bytes < kLargeBytes)
        return std::malloc(bytes ? bytes : 1);
    return mapBlock(bytes, true);
}

void release(void* memory, std::size_t bytes) noexcept {
    if (bytes < kLargeBytes)
        std::free(memory);
    else
        unmapBlock(memory, bytes);
}

} // namespace large_memory
