#include "store/clock.h"

#include <chrono>

namespace {
const auto startTime = std::chrono::steady_clock::now();
std::function<int32_t()> millisOverride;
std::function<int64_t()> wallOverride;
} // namespace

int32_t clockMillis() {
    if (millisOverride)
        return millisOverride();
    auto elapsed = std::chrono::steady_clock::now() - startTime;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

int64_t wallClockMillis() {
    if (wallOverride)
        return wallOverride();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void setClockForTests(std::function<int32_t()> millis, std::function<int64_t()> wall) {
    millisOverride = std::move(millis);
    wallOverride = std::move(wall);
}
