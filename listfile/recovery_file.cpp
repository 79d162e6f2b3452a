#include "listfile/recovery_file.h"

#include "listfile/file_io.h"
#include "listfile/list_backup.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const char* const kUntitled = "UNTITLED";

QString decoded(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string encoded(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString recoveryFile(const std::string& folder, const std::string& listPath) {
    QString base = listPath == kUntitled ? QString::fromLatin1(kUntitled)
                                         : QFileInfo(decoded(listPath)).completeBaseName();
    return QDir(decoded(folder))
        .filePath(base + QLatin1Char('_') + QString::fromStdString(pathMark(listPath)) +
                  QStringLiteral(".zlk"));
}

QString companionOf(const QString& recovery) {
    return recovery + QStringLiteral(".list");
}

bool isPending(const QFileInfo& recovery, const std::string& listPath) {
    if (listPath == kUntitled)
        return true;
    QFileInfo list(decoded(listPath));
    return !list.exists() || recovery.lastModified() > list.lastModified();
}

} // namespace

FileResult writeRecovery(const std::string& folder, const std::string& listPath,
                         std::string_view bytes) {
    QDir().mkpath(decoded(folder));
    QString recovery = recoveryFile(folder, listPath);
    // The list's path first: a recovery file is never there without it.
    std::string known;
    if (!readWholeFile(encoded(companionOf(recovery)), known).ok() || known != listPath) {
        FileResult named = replaceFile(encoded(companionOf(recovery)), listPath);
        if (!named.ok())
            return named;
    }
    return replaceFile(encoded(recovery), bytes);
}

void removeRecovery(const std::string& folder, const std::string& listPath) {
    QString recovery = recoveryFile(folder, listPath);
    QFile::remove(recovery);
    QFile::remove(companionOf(recovery));
}

std::vector<Recovery> pendingRecoveries(const std::string& folder) {
    std::vector<Recovery> found;
    QDir dir(decoded(folder));
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.zlk")}, QDir::Files)) {
        std::string listPath;
        if (!readWholeFile(encoded(companionOf(file.filePath())), listPath).ok())
            continue;
        if (!isPending(file, listPath)) {
            removeRecovery(folder, listPath);
            continue;
        }
        found.push_back(
            {listPath, encoded(file.filePath()), file.lastModified().toSecsSinceEpoch()});
    }
    std::sort(found.begin(), found.end(),
              [](const Recovery& a, const Recovery& b) { return a.savedAt > b.savedAt; });
    return found;
}
