#pragma once

#include "listfile/file_result.h"

#include <memory>
#include <string>
#include <string_view>

class QIODevice;
class QSaveFile;

// Reads the whole file into bytes. A file that cannot be opened or read is a failed result
// (text 111) naming the path.
FileResult readWholeFile(const std::string& path, std::string& bytes);

// Writes every byte to the device; a device that takes fewer is a failed result (text 131).
FileResult writeAll(QIODevice& device, std::string_view bytes);

// Replaces a file in one step: the bytes go to a temporary file in the same folder, which then
// takes the file's place. On any failure the old file stays as it was.
class FileReplacement {
public:
    // Creates the temporary file.
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether the temporary file could be created; the failure when it could not.
    const FileResult& openResult() const { return openResult_; }
    // Writes the bytes and puts the file in place; a failed result (old file kept) on any failure.
    FileResult commit(std::string_view bytes);

private:
    std::string path_;
    std::unique_ptr<QSaveFile> file_;
    FileResult openResult_;
};

// Creates the replacement and commits the bytes.
FileResult replaceFile(const std::string& path, std::string_view bytes);
