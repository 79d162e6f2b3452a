#pragma once

#include "listfile/file_result.h"
#include "store/large_memory.h"

#include <string>
#include <string_view>

class QIODevice;

// Reads the whole file into bytes. A file that cannot be opened or read, or that is no regular
// file, is a failed result (text 111) naming the path and the reason.
FileResult readWholeFile(const std::string& path, std::string& bytes);
// The same into a buffer that is not cleared first, for a list file of any size.
FileResult readWholeFile(const std::string& path, ByteBuffer& bytes);

// Writes every byte to the device; a device that takes fewer is a failed result (text 131)
// with the reason the system gave.
FileResult writeAll(QIODevice& device, std::string_view bytes);

// Replaces the file at the path (or, for a symbolic link, the file it leads to) in one step:
// the bytes go to a temporary file "NAME.XXXXXX" in the same folder, are synced, and the
// temporary file takes the file's place; then the folder is synced. The new file keeps the old
// one's mode (and owner, where allowed). A file without any write permission bit is refused as
// read-only, for every user. On any failure the old file stays as it was. After a success, the
// temporary files of the same name that an earlier, interrupted replacement left are removed.
// backupFolder, when not empty, receives a copy of the file being replaced (see list_backup.h).
FileResult replaceFile(const std::string& path, std::string_view bytes,
                       const std::string& backupFolder = {});

// Whether the name is one of the temporary files replaceFile makes for the file named base.
bool isReplacementLeftover(std::string_view name, std::string_view base);
