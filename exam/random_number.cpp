#include "exam/random_number.h"

namespace {
uint32_t state = 1;
}

int randomNumber() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void seedRandomNumber(int64_t seed) {
    // Both halves count, so that seeds that differ only above bit 31 still differ.
    auto bits = static_cast<uint64_t>(seed);
    state = static_cast<uint32_t>(bits ^ (bits >> 32));
}
