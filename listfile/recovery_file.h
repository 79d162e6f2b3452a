#pragma once

#include "listfile/file_result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A recovery file holds the open list as it stood at the last automatic save, so that a crash,
// a kill or a power cut costs at most the minute since. It lies in the recovery folder, named
// after the list and a mark of its full path ("french_1a2b3c4d.zlk"), beside a small ".list" file
// that holds the list's path ("UNTITLED" for a list without a file).

// Writes the bytes (a whole list file) as the list's recovery file, replacing it in one step.
FileResult writeRecovery(const std::string& folder, const std::string& listPath,
                         std::string_view bytes);

// Removes the list's recovery file.
void removeRecovery(const std::string& folder, const std::string& listPath);

struct Recovery {
    std::string listPath;     // the list it belongs to, or "UNTITLED"
    std::string recoveryPath; // the file to read the cards from
    int64_t savedAt = 0;      // when it was written, in seconds since 1970
};

// The recovery files newer than their lists (or whose list is gone), newest first. Those older
// than their list were saved over since: they are removed.
std::vector<Recovery> pendingRecoveries(const std::string& folder);
