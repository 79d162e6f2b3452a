#pragma once

#include "listfile/file_result.h"

#include <functional>
#include <string>
#include <string_view>

// Reads the whole file into bytes. A file that cannot be opened or read, or that is no regular
// file, is a failed result (text 111) naming the path and the reason.
FileResult readWholeFile(const std::string& path, std::string& bytes);
// A file read piece by piece, for a large list that is never held whole.
class FileReader {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Opens the file as readWholeFile does, with the same failures.
    FileResult open(const std::string& path);
    // The size the file had when it was opened.
    std::size_t size() const { return size_; }
    // Reads up to room bytes; got is 0 at the end of the file.
    FileResult read(char* into, std::size_t room, std::size_t& got);

private:
    std::string path_;
    int fd_ = -1;
    std::size_t size_ = 0;
};

// Where replaceFile puts the new contents: the temporary file, written piece by piece. The
// first failure is kept, and every call after it does nothing and returns false.
class FileSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    bool write(std::string_view bytes);
    // Appends the whole file at the path, without holding it in memory.
    bool copyFrom(const std::string& path);
    // Empties the file, to write it again from its start.
    bool restart();
    // The system's error number of the first failure; 0 while all went well.
    int error() const { return error_; }

private:
    bool fail(int error);
    bool copyByReading(int source);

    int fd_;
    int error_ = 0;
};

// Writes the contents of a file into the sink.
using ContentWriter = std::function<void(FileSink&)>;

// Replaces the file at the path (or, for a symbolic link, the file it leads to) in one step:
// the bytes go to a temporary file "NAME.XXXXXX" in the same folder, are synced, and the
// temporary file takes the file's place; then the folder is synced. The new file keeps the old
// one's mode (and owner, where allowed). A file without any write permission bit is refused as
// read-only, for every user. On any failure the old file stays as it was. After a success, the
// temporary files of the same name that an earlier, interrupted replacement left are removed.
// backupFolder, when not empty, receives the file being replaced (see list_backup.h). A sink
// that failed is a failed result (text 131) with the reason the system gave.
FileResult replaceFileWith(const std::string& path, const ContentWriter& write,
                           const std::string& backupFolder = {});
FileResult replaceFile(const std::string& path, std::string_view bytes,
                       const std::string& backupFolder = {});

// Makes the names in the folder survive a power cut (where the file system allows it).
void syncFolder(const std::string& folder);

// Whether the name is one of the temporary files replaceFile makes for the file named base.
bool isReplacementLeftover(std::string_view name, std::string_view base);
