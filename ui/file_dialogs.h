#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace ui {

struct FileFilter {
    QString description; // "Zelkora Files (*.ZLK)"
    QString pattern;     // "*.zlk"
};

struct FileDialogRequest {
    bool save = false;
    QString title;
    std::vector<FileFilter> filters; // the first one is selected
    QString defaultExtension;        // without the dot: "zlk"
    QString initialName;             // what the name field starts with
};

enum class FileDialogStatus { Accepted, Cancelled, Failed };

struct FileDialogResult {
    FileDialogStatus status = FileDialogStatus::Cancelled;
    QString path; // set when Accepted
};

// The open and save dialogs. The default extension is appended when the chosen name has none.
// Failed (distinct from Cancelled) means the dialog gave a path that cannot be used: empty, a
// folder, or in a folder that does not exist. The save dialog never asks before overwriting and
// the open dialog does not check that the file exists (the reader reports that).
FileDialogResult getOpenFileName(const QString& title, const std::vector<FileFilter>& filters,
                                 const QString& defaultExtension = {},
                                 const QString& initialName = {});
FileDialogResult getSaveFileName(const QString& title, const std::vector<FileFilter>& filters,
                                 const QString& defaultExtension = {},
                                 const QString& initialName = {});

// Tests answer the dialogs instead of showing them. The handler returns what the user chose
// (status and the path as typed); the default extension and the checks still apply to it.
using FileDialogHandler = std::function<FileDialogResult(const FileDialogRequest&)>;
FileDialogHandler setFileDialogHandler(FileDialogHandler handler);

// The filter as the Qt dialog takes it: "Zelkora Files (*.zlk *.ZLK)".
QString filterLine(const FileFilter& filter);

// What a chosen path becomes: the default extension appended when it has none, Failed when
// unusable.
FileDialogResult finishChosenPath(const FileDialogRequest& request, const QString& chosen);

} // namespace ui
