#pragma once

#include <cstdint>
#include <functional>

// Milliseconds since the program started, as a 32-bit count. Tests can set the clock.
int32_t clockMillis();
// Milliseconds since the epoch: differs from run to run, used to seed the random generator.
int64_t wallClockMillis();

// Replaces both clocks with fixed values; nullptr restores the real clocks.
void setClockForTests(std::function<int32_t()> millis, std::function<int64_t()> wall = nullptr);
