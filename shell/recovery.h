#pragma once

#include <string>

// Keeping the user's work safe beyond the saves the user makes: the previous version of every
// list a save replaces, and a recovery file of the open list written in the background at most
// once a minute while it has unsaved changes, offered back at the next start after a crash.
namespace shell {

// The program's own data folder: "Zelkora" in the user's data folder (XDG_DATA_HOME, by default
// ~/.local/share). Backups lie in its "backups", recovery files in its "recovery".
std::string dataFolder();
std::string backupFolder();
std::string recoveryFolder();

// At start: saves keep backups from now on, and the recovery timer runs.
void startSafeKeeping();

// Offers the recovery files left by a run that did not end properly, newest first: Restore
// opens it as the list it belongs to, with its changes unsaved; Discard removes it; Cancel
// keeps it for the next start. True when a list was restored.
bool offerRecovery();

// What the recovery timer does: when the open list has unsaved changes that differ from the last
// recovery file, takes the list's bytes and writes them in the background. True when a write
// started.
bool autosaveNow();
// Waits until a write in the background has ended.
void waitForAutosave();

// Removes the open list's recovery file: after a save, Close List, or a quit the user ended.
void discardRecovery();

} // namespace shell
