#include "ui/file_dialogs.h"

#include "ui/dialog_parent.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace ui {
namespace {

FileDialogHandler& fileDialogHandler() {
    static FileDialogHandler handler;
    return handler;
}

FileDialogResult runRealDialog(const FileDialogRequest& request) {
    QFileDialog dialog(dialogParent(), request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << filterLine(filter);
    dialog.setNameFilters(filters);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return {FileDialogStatus::Cancelled, {}};
    QStringList chosen = dialog.selectedFiles();
    return {FileDialogStatus::Accepted, chosen.isEmpty() ? QString() : chosen.first()};
}

FileDialogResult runDialog(const FileDialogRequest& request) {
    FileDialogResult answer;
    if (fileDialogHandler()) {
        FileDialogHandler handler = fileDialogHandler();
        answer = handler(request);
    } else {
        answer = runRealDialog(request);
    }
    if (answer.status != FileDialogStatus::Accepted)
        return {answer.status, {}};
    return finishChosenPath(request, answer.path);
}

FileDialogRequest makeRequest(bool save, const QString& title,
                              const std::vector<FileFilter>& filters,
                              const QString& defaultExtension, const QString& initialName) {
    return {save, title, filters, defaultExtension, initialName};
}

} // namespace

// "Zelkora Files (*.ZLK)" with "*.zlk" becomes "Zelkora Files (*.zlk *.ZLK)": names on Linux are
// case-sensitive, and files from Windows often carry the extension in capitals.
QString filterLine(const FileFilter& filter) {
    QString description = filter.description;
    qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open > 0 && description.endsWith(QLatin1Char(')')))
        description = description.left(open).trimmed();
    QStringList patterns{filter.pattern, filter.pattern.toUpper()};
    patterns.removeDuplicates();
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

FileDialogResult finishChosenPath(const FileDialogRequest& request, const QString& chosen) {
    const FileDialogResult failed{FileDialogStatus::Failed, {}};
    if (chosen.isEmpty() || chosen.endsWith(QLatin1Char('/')))
        return failed;
    QString path = chosen;
    QFileInfo info(path);
    if (info.suffix().isEmpty() && !request.defaultExtension.isEmpty() && !info.isDir())
        path += QLatin1Char('.') + request.defaultExtension;
    QFileInfo finished(path);
    if (finished.isDir() || !finished.absoluteDir().exists())
        return failed;
    return {FileDialogStatus::Accepted, finished.absoluteFilePath()};
}

FileDialogResult getOpenFileName(const QString& title, const std::vector<FileFilter>& filters,
                                 const QString& defaultExtension, const QString& initialName) {
    return runDialog(makeRequest(false, title, filters, defaultExtension, initialName));
}

FileDialogResult getSaveFileName(const QString& title, const std::vector<FileFilter>& filters,
                                 const QString& defaultExtension, const QString& initialName) {
    return runDialog(makeRequest(true, title, filters, defaultExtension, initialName));
}

FileDialogHandler setFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(fileDialogHandler(), std::move(handler));
}

} // namespace ui
