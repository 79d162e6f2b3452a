#pragma once

#include <string>

// What a reader, writer or export tells its caller. The file layer shows nothing itself: the
// caller shows the one message the result names.
enum class FileError { None, NoCards, OldFormat, NotAList, CannotRead, CannotWrite };

// Why the system refused a read or a write, as far as the program can tell.
enum class FailReason { None, DiskFull, ReadOnly, NoPermission, FolderMissing, NotAFile, System };

struct FileResult {
    FileError error = FileError::None;
    int textNumber = 0; // the message that explains the failure; 0 when there was none
    std::string path;
    FailReason reason = FailReason::None;
    std::string systemText; // the system's own words, for FailReason::System
    // A message to show although the work was done (a font debug log that could not be opened).
    int warningText = 0;
    // Where a damaged file went wrong, for the message (0 when unknown).
    int line = 0;
    int column = 0;

    bool ok() const { return error == FileError::None; }
};

// Numbers of the file layer's texts in the string table.
namespace listfile::text {
constexpr int NoCards = 102;
constexpr int OpenFailed = 111;
constexpr int OldFormat = 123;
constexpr int SaveFailed = 131;
constexpr int FontLogNotOpened = 600;
constexpr int NotAList = 601;
// The reasons, in the order of FailReason from DiskFull to NotAFile.
constexpr int FirstReason = 602;
// A file of another trainer that is damaged: "%1" is the line, "%2" the column.
constexpr int DamagedAtLine = 607;
constexpr int DamagedAtColumn = 608;
} // namespace listfile::text

inline FileResult fileFailure(FileError error, int textNumber, std::string path = {}) {
    FileResult result;
    result.error = error;
    result.textNumber = textNumber;
    result.path = std::move(path);
    return result;
}
