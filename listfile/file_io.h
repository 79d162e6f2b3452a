#pragma once

#include <memory>
#include <string>
#include <string_view>

class QSaveFile;

// Reads the whole file into bytes. False when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

// Replaces a file in one step: the bytes go to a temporary file in the same folder, which then
// takes the file's place. On any failure the old file stays as it was.
class FileReplacement {
public:
    // Creates the temporary file.
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether the temporary file could be created.
    bool isOpen() const;
    // Writes the bytes and puts the file in place; false (old file kept) on any failure.
    bool commit(std::string_view bytes);

private:
    std::unique_ptr<QSaveFile> file_;
};

// Creates the replacement and commits the bytes.
bool replaceFile(const std::string& path, std::string_view bytes);

// For tests: every later write stores at most this many bytes and then fails, as a full disk
// would; a negative limit restores normal writing.
void setWriteLimitForTests(long long bytes);
