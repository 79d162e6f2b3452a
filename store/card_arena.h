#pragma once

#include <cstddef>

// Memory for cards and their texts, taken in large blocks rather than one heap block per card:
// a million cards cost a few hundred allocations instead of two million, and no per-block
// bookkeeping. A block counts the pieces handed out from it and goes back to the heap when the
// last one is freed, so closing a list gives its memory back. Pieces never move: a card keeps
// its address for as long as it lives. Not for use from more than one thread.
namespace card_arena {

// Memory for bytes (at most kLargest, aligned to 8 bytes, enough for every member of a card);
// nullptr when memory is exhausted.
void* allocate(std::size_t bytes);
// Frees a piece from allocate (nullptr is ignored).
void release(void* piece) noexcept;

// A list of many cards is on its way: the first block, while not made yet, goes in large pages
// too (a small list's first block is made of small pages, taken as the list grows).
void expectManyCards();

// The largest piece allocate hands out.
constexpr std::size_t kLargest = 16 * 1024;

// Bytes the blocks hold in all, for the memory figures.
std::size_t reservedBytes();

} // namespace card_arena
