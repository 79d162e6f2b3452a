#include "listfile/file_io.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

QString filePath(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

FileResult writeFailure(const std::string& path) {
    return fileFailure(FileError::CannotWrite, listfile::text::SaveFailed, path);
}

} // namespace

FileResult readWholeFile(const std::string& path, std::string& bytes) {
    QFile file(filePath(path));
    const FileResult failed = fileFailure(FileError::CannotRead, listfile::text::OpenFailed, path);
    if (path.empty() || !file.open(QIODevice::ReadOnly))
        return failed;
    // Straight into the string: a list file is read once, without a second copy.
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    qint64 got = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (got < 0)
        return failed;
    bytes.resize(static_cast<std::size_t>(got));
    QByteArray rest = file.readAll(); // a file that reports no size, or grew meanwhile
    bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    return file.error() == QFileDevice::NoError ? FileResult{} : failed;
}

FileResult writeAll(QIODevice& device, std::string_view bytes) {
    qint64 size = static_cast<qint64>(bytes.size());
    if (device.write(bytes.data(), size) == size)
        return {};
    return writeFailure({});
}

FileReplacement::FileReplacement(const std::string& path) : path_(path) {
    if (path.empty()) {
        openResult_ = writeFailure(path);
        return;
    }
    file_ = std::make_unique<QSaveFile>(filePath(path));
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        openResult_ = writeFailure(path);
    }
}

// Without a commit the temporary file is removed and the old file stays.
FileReplacement::~FileReplacement() = default;

FileResult FileReplacement::commit(std::string_view bytes) {
    if (!file_)
        return openResult_;
    FileResult written = writeAll(*file_, bytes);
    if (!written.ok()) {
        file_->cancelWriting();
        written.path = path_;
        return written;
    }
    return file_->commit() ? FileResult{} : writeFailure(path_);
}

FileResult replaceFile(const std::string& path, std::string_view bytes) {
    FileReplacement file(path);
    return file.commit(bytes);
}
