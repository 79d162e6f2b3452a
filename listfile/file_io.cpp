#include "listfile/file_io.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

long long writeLimit = -1;

QString filePath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

bool writeAll(QSaveFile& file, std::string_view bytes) {
    qint64 size = static_cast<qint64>(bytes.size());
    if (writeLimit >= 0 && size > writeLimit) {
        file.write(bytes.data(), writeLimit);
        return false;
    }
    return file.write(bytes.data(), size) == size;
}

} // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    QFile file(filePath(path));
    if (path.empty() || !file.open(QIODevice::ReadOnly))
        return false;
    // Straight into the string: a list file is read once, without a second copy.
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    qint64 got = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (got < 0)
        return false;
    bytes.resize(static_cast<std::size_t>(got));
    QByteArray rest = file.readAll(); // a file that reports no size, or grew meanwhile
    bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    return file.error() == QFileDevice::NoError;
}

FileReplacement::FileReplacement(const std::string& path) {
    if (path.empty())
        return;
    file_ = std::make_unique<QSaveFile>(filePath(path));
    if (!file_->open(QIODevice::WriteOnly))
        file_.reset();
}

// Without a commit the temporary file is removed and the old file stays.
FileReplacement::~FileReplacement() = default;

bool FileReplacement::isOpen() const {
    return file_ != nullptr;
}

bool FileReplacement::commit(std::string_view bytes) {
    if (!file_)
        return false;
    if (!writeAll(*file_, bytes)) {
        file_->cancelWriting();
        return false;
    }
    return file_->commit();
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    FileReplacement file(path);
    return file.commit(bytes);
}

void setWriteLimitForTests(long long bytes) {
    writeLimit = bytes;
}
