#pragma once

#include <cstdint>
#include <string>

// What a list-file reader or writer reports to its caller.
struct FileInfo {
    int32_t status = 0; // 0 = done, 1 = failed
    // A failure that the reader or writer has already explained to the user (a list without
    // cards refused): the caller adds no message of its own.
    bool userTold = false;
    std::string formatName;
    int32_t mainCount = 0;
    int32_t knownCount = 0;
    std::string fileName;
};
