#pragma once

#include <string>
#include <vector>

// Before a save replaces a list, the file it replaces is kept in the backup folder, so that a
// list saved over by mistake can be had back. A backup is named after the list, the time and a
// short mark of the list's full path (two lists of the same name in different folders keep
// their own backups): "french_2026-12-09_14-03-22.123_1a2b3c4d.zlk". The newest five of each
// list are kept. A backup that cannot be made is no failure of the save.
constexpr int kBackupsPerList = 5;

void keepBackup(const std::string& listPath, const std::string& backupFolder);

// The backups of the list in the folder, oldest first (full paths).
std::vector<std::string> backupsOf(const std::string& listPath, const std::string& backupFolder);

// The mark of a list's full path that its backup and recovery files carry.
std::string pathMark(const std::string& listPath);
