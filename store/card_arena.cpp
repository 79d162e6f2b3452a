#include "store/card_arena.h"

#include "store/large_memory.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace card_arena {
namespace {

// Blocks are aligned to their size, so a piece finds its block by masking its address.
// Two megabytes, the size of a large memory page: a big list walked in sorted order reaches its
// cards all over the blocks, and with large pages that costs far fewer address translations.
constexpr std::size_t kBlockBytes = 2 * 1024 * 1024;
// The first block stays in small pages, so that a small list (up to some twenty thousand cards)
// takes no more memory than it uses; fresh small pages cost a fault each, many times the cost
// of the large ones for a list of a hundred thousand cards.
constexpr std::size_t kSmallPageBlocks = 1;
constexpr std::size_t kAlign = 8; // enough for every member of a card and its texts

struct Block {
    std::size_t used;  // bytes handed out so far, the header included
    std::size_t alive; // pieces not yet freed
};

constexpr std::size_t kHeader = (sizeof(Block) + kAlign - 1) / kAlign * kAlign;
static_assert(kHeader + kLargest <= kBlockBytes);

Block* current = nullptr;
std::size_t blockCount = 0;
bool manyCards = false;

Block* newBlock() {
    // Mapped, not from the heap: aligned to its size it would cost the heap twice that.
    // The word that many cards are coming counts for the next block alone: a small list opened
    // after a large one starts in small pages again.
    const bool largePages = manyCards || blockCount >= kSmallPageBlocks;
    manyCards = false;
    void* memory = large_memory::mapBlock(kBlockBytes, largePages);
    if (!memory)
        return nullptr;
    ++blockCount;
    return new (memory) Block{kHeader, 0};
}

Block* blockOf(void* piece) {
    return reinterpret_cast<Block*>(reinterpret_cast<std::uintptr_t>(piece) &
                                    ~static_cast<std::uintptr_t>(kBlockBytes - 1));
}

} // namespace

void* allocate(std::size_t bytes) {
    bytes = (bytes + kAlign - 1) / kAlign * kAlign;
    if (bytes == 0 || bytes > kLargest)
        return nullptr;
    if (!current || current->used + bytes > kBlockBytes) {
        Block* fresh = newBlock();
        if (!fresh)
            return nullptr;
        // The full block stays until its last piece is freed; an empty one goes now.
        if (current && current->alive == 0) {
            large_memory::unmapBlock(current, kBlockBytes);
            --blockCount;
        }
        current = fresh;
    }
    char* piece = reinterpret_cast<char*>(current) + current->used;
    current->used += bytes;
    ++current->alive;
    return piece;
}

void release(void* piece) noexcept {
    if (!piece)
        return;
    Block* block = blockOf(piece);
    if (--block->alive != 0)
        return;
    if (block == current) {
        block->used = kHeader; // the block in use starts over
        return;
    }
    large_memory::unmapBlock(block, kBlockBytes);
    --blockCount;
}

void expectManyCards() {
    manyCards = true;
}

std::size_t reservedBytes() {
    return blockCount * kBlockBytes;
}

} // namespace card_arena
