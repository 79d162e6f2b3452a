#pragma once

#include <string>

class QString;

// The File menu: opening, saving, exporting and closing the one list. Every change to the main
// window goes through ui::mainWindowHost().
namespace shell {

// What "Save As" writes: the list file, one of the three text exports or the export for other
// programs (KVTML, CSV or tab-separated text, by the extension chosen).
enum class SaveKind { List, Cards, Questions, Answers, OtherPrograms };

// Reads the list file at the path and sets the main window up for it: commands by the number of
// cards, the examination that starts by itself, the counters. On failure the user is told and
// nothing changes. True when the list was read.
bool openList(const std::string& path);

// Opens a recovery file as the list at listPath ("UNTITLED" for a list without a file), with
// its changes unsaved. True when it was read.
bool restoreList(const std::string& recoveryPath, const std::string& listPath);

// "&Open List...": the open dialog, then openList.
void openListCommand();

// "&New List...": a list without a file, begun in the new-card window.
void newList();

// "&Save List...": writes to the list's file, or asks for a name when it has none. True when the
// list was written.
bool saveList();

// "Save List &As..." and the exports: the save dialog, then the writer. True when written.
bool saveAs(SaveKind kind);

// Asks whether to save unsaved changes. Returns false when the user cancelled, or answered Yes
// and the save did not happen (the cards must not be lost then).
enum class SaveQuestion { Close, Quit };
bool offerToSave(SaveQuestion purpose);

// "&Close List": after the question about unsaved changes, closes every window on the list,
// frees the cards and returns the main window to the "No list" state. True when closed.
bool closeList();

// The path as the list-file functions take it.
std::string pathBytes(const QString& path);

} // namespace shell
