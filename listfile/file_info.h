#pragma once

#include <cstdint>
#include <string>

// What a list-file reader or writer found or wrote; whether it succeeded is its FileResult.
struct FileInfo {
    std::string formatName;
    int32_t mainCount = 0;
    int32_t knownCount = 0;
    std::string fileName;
};
