#pragma once

#include <cstdint>

// The program's one random generator: a linear congruential generator with 15-bit results
// (0 to 32767). Start-up seeds it from the wall clock, so that every run asks in another order;
// tests seed it to get a known sequence.
int randomNumber();
void seedRandomNumber(int64_t seed);
