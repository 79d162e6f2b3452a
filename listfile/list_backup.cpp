#include "listfile/list_backup.h"

#include "listfile/file_io.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString decoded(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QFileInfo listInfo(const std::string& listPath) {
    return QFileInfo(decoded(listPath));
}

// "french_" ... "_1a2b3c4d.zlk": what every backup of the list begins and ends with.
std::pair<QString, QString> nameParts(const std::string& listPath) {
    QFileInfo list = listInfo(listPath);
    QString suffix = list.suffix().isEmpty() ? QString() : QLatin1Char('.') + list.suffix();
    return {list.completeBaseName() + QLatin1Char('_'),
            QLatin1Char('_') + QString::fromStdString(pathMark(listPath)) + suffix};
}

} // namespace

std::string pathMark(const std::string& listPath) {
    QByteArray full = QFile::encodeName(listInfo(listPath).absoluteFilePath());
    return QCryptographicHash::hash(full, QCryptographicHash::Sha1).toHex().left(8).toStdString();
}

std::vector<std::string> backupsOf(const std::string& listPath, const std::string& backupFolder) {
    auto [prefix, ending] = nameParts(listPath);
    QDir folder(decoded(backupFolder));
    std::vector<std::string> found;
    // The time in the name sorts the backups oldest first.
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        if (name.startsWith(prefix) && name.endsWith(ending) &&
            name.size() == prefix.size() + 23 + ending.size())
            found.push_back(QFile::encodeName(folder.filePath(name)).toStdString());
    return found;
}

void keepBackup(const std::string& listPath, const std::string& backupFolder) {
    std::string bytes;
    if (!readWholeFile(listPath, bytes).ok() || !QDir().mkpath(decoded(backupFolder)))
        return;
    auto [prefix, ending] = nameParts(listPath);
    QDateTime time = QDateTime::currentDateTime();
    QString name;
    do { // two saves within one millisecond still keep two backups, in order
        name = QDir(decoded(backupFolder))
                   .filePath(prefix + time.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss.zzz")) +
                             ending);
        time = time.addMSecs(1);
    } while (QFileInfo::exists(name));
    if (!replaceFile(QFile::encodeName(name).toStdString(), bytes).ok())
        return;
    std::vector<std::string> backups = backupsOf(listPath, backupFolder);
    for (std::size_t i = 0; i + kBackupsPerList < backups.size(); ++i)
        QFile::remove(decoded(backups[i]));
}
