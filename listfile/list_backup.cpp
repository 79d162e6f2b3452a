#include "listfile/list_backup.h"

#include "listfile/file_io.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

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

// A list is only ever replaced whole, by a rename: the file being replaced is never written again
// and becomes the backup as it is, under a second name, without a copy. Only a file that has no
// other name is taken so, for a write through that name would change the backup too; a file
// system without links, or a backup folder on another one, gets a copy.
bool linkBackup(const std::string& listPath, const std::string& backup,
                const std::string& backupFolder) {
    struct stat info {};
    if (::stat(listPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1 ||
        ::link(listPath.c_str(), backup.c_str()) != 0)
        return false;
    syncFolder(backupFolder);
    return true;
}

bool copyBackup(const std::string& listPath, const std::string& backup) {
    return replaceFileWith(backup, [&](FileSink& sink) { sink.copyFrom(listPath); }).ok();
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
    if (!QDir().mkpath(decoded(backupFolder)))
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
    const std::string backup = QFile::encodeName(name).toStdString();
    if (!linkBackup(listPath, backup, backupFolder) && !copyBackup(listPath, backup))
        return;
    std::vector<std::string> backups = backupsOf(listPath, backupFolder);
    for (std::size_t i = 0; i + kBackupsPerList < backups.size(); ++i)
        QFile::remove(decoded(backups[i]));
}
