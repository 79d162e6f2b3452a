#include "listfile/file_io.h"

#include "listfile/list_backup.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>

namespace {

constexpr std::size_t kSuffixLength = 6;
constexpr char kSuffixLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

FailReason reasonOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FailReason::DiskFull;
    case EROFS:
        return FailReason::ReadOnly;
    case EACCES:
    case EPERM:
        return FailReason::NoPermission;
    case ENOENT:
    case ENOTDIR:
        return FailReason::FolderMissing;
    case EISDIR:
        return FailReason::NotAFile;
    default:
        return FailReason::System;
    }
}

FileResult failure(FileError error, int textNumber, const std::string& path, FailReason reason,
                   int systemError = 0) {
    FileResult result = fileFailure(error, textNumber, path);
    result.reason = reason;
    if (reason == FailReason::System && systemError != 0)
        result.systemText = std::strerror(systemError);
    return result;
}

FileResult writeFailure(const std::string& path, int error) {
    return failure(FileError::CannotWrite, listfile::text::SaveFailed, path, reasonOf(error),
                   error);
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link keeps leading to the list: the file it names is replaced, not the link.
std::string finalTarget(const std::string& path) {
    QString current = QFile::decodeName(QByteArray::fromStdString(path));
    for (int hop = 0; hop < 16 && QFileInfo(current).isSymLink(); ++hop)
        current = QFileInfo(current).symLinkTarget();
    return QFile::encodeName(current).toStdString();
}

// A missing file is no failure (it is made); anything else in its place, or a file nobody may
// write, is. For a missing file the folder must be there.
FileResult checkTarget(const std::string& path, struct stat& old, bool& exists) {
    exists = ::stat(path.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return writeFailure(path, EISDIR);
        if ((old.st_mode & 0222) == 0)
            return writeFailure(path, EROFS);
        return {};
    }
    if (errno != ENOENT)
        return writeFailure(path, errno);
    struct stat folder {};
    if (::stat(folderOf(path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return writeFailure(path, ENOENT);
    return {};
}

int createTemporary(const std::string& path, mode_t mode, std::string& name) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kSuffixLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + '.';
        for (std::size_t i = 0; i < kSuffixLength; ++i)
            name += kSuffixLetters[pick(random)];
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

FileResult writeAndSync(int fd, const ContentWriter& write, const std::string& path) {
    FileSink sink(fd);
    write(sink);
    if (sink.error() != 0)
        return writeFailure(path, sink.error());
    if (::fsync(fd) != 0)
        return writeFailure(path, errno);
    return {};
}

bool olderThan(const struct stat& file, const timespec& start) {
    return file.st_mtim.tv_sec < start.tv_sec ||
           (file.st_mtim.tv_sec == start.tv_sec && file.st_mtim.tv_nsec < start.tv_nsec);
}

// A replacement killed before its rename leaves its temporary file behind. Only files of this
// program's own pattern for this very file, owned by this user and older than the save that
// has just succeeded, are removed: a save running at the same moment keeps its file.
void removeLeftovers(const std::string& path, const timespec& start) {
    const std::string folder = folderOf(path);
    const std::string base = nameOf(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isReplacementLeftover(entry->d_name, base))
            continue;
        std::string leftover = folder + '/' + entry->d_name;
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid() && olderThan(info, start))
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

FileResult putInPlace(const std::string& target, const ContentWriter& write,
                      const std::string& backupFolder) {
    struct stat old {};
    bool exists = false;
    FileResult checked = checkTarget(target, old, exists);
    if (!checked.ok())
        return checked;
    std::string temporary;
    // Private until it has the old file's mode; a new file gets the usual mode less the umask.
    int fd = createTemporary(target, exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return writeFailure(target, errno);
    if (exists) {
        ::fchmod(fd, old.st_mode & 07777);
        (void)!::fchown(fd, old.st_uid, old.st_gid); // only the superuser may give a file away
    }
    FileResult result = writeAndSync(fd, write, target);
    if (::close(fd) != 0 && result.ok())
        result = writeFailure(target, errno);
    if (result.ok() && exists && !backupFolder.empty())
        keepBackup(target, backupFolder);
    if (result.ok() && ::rename(temporary.c_str(), target.c_str()) != 0)
        result = writeFailure(target, errno);
    if (!result.ok()) {
        ::unlink(temporary.c_str());
        return result;
    }
    syncFolder(folderOf(target));
    return result;
}

} // namespace

// Where the file system allows it, a rename survives a power cut only once the folder is on disk
// too. A folder that cannot be synced is no failure: the file is in place.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool isReplacementLeftover(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 1 + kSuffixLength || !name.starts_with(base) ||
        name[base.size()] != '.')
        return false;
    for (char c : name.substr(base.size() + 1))
        if (std::strchr(kSuffixLetters, c) == nullptr || c == '\0')
            return false;
    return true;
}

namespace {

FileResult readFailure(const std::string& path, int error) {
    return failure(FileError::CannotRead, listfile::text::OpenFailed, path, reasonOf(error), error);
}

// Opens a regular file for reading; fd and size tell the file and the size it has now.
FileResult openForReading(const std::string& path, int& fd, std::size_t& size) {
    if (path.empty())
        return readFailure(path, ENOENT);
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        int error = errno;
        // A file that is not there is the system's own words; "folder missing" only when it is.
        QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
        if (error == ENOENT && QFileInfo(file.absolutePath()).isDir())
            return failure(FileError::CannotRead, listfile::text::OpenFailed, path,
                           FailReason::System, error);
        return readFailure(path, error);
    }
    struct stat info {};
    // A folder, a pipe or a device would never end or never hold a list.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return readFailure(path, EISDIR);
    }
    size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    return {};
}

} // namespace

FileResult readWholeFile(const std::string& path, std::string& bytes) {
    FileReader file;
    FileResult result = file.open(path);
    if (!result.ok())
        return result;
    // Straight into the string; a file that grew meanwhile makes it grow.
    std::size_t got = 0;
    for (std::size_t room = file.size() + 1;; room *= 2) {
        bytes.resize(room);
        std::size_t n = 0;
        result = file.read(bytes.data() + got, room - got, n);
        got += n;
        if (!result.ok() || got < room)
            break;
    }
    bytes.resize(result.ok() ? got : 0);
    return result;
}

FileReader::~FileReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileResult FileReader::open(const std::string& path) {
    path_ = path;
    return openForReading(path, fd_, size_);
}

FileResult FileReader::read(char* into, std::size_t room, std::size_t& got) {
    got = 0;
    while (got < room && fd_ >= 0) {
        ssize_t n = ::read(fd_, into + got, room - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return readFailure(path_, errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return {};
}

bool FileSink::fail(int error) {
    error_ = error;
    return false;
}

bool FileSink::write(std::string_view bytes) {
    if (error_ != 0)
        return false;
    while (!bytes.empty()) {
        ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) // a file system that takes no byte more is full
            return fail(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FileSink::copyByReading(int source) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    auto piece = std::make_unique<char[]>(kPiece);
    for (;;) {
        ssize_t got = ::read(source, piece.get(), kPiece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(errno);
        if (got == 0 || !write({piece.get(), static_cast<std::size_t>(got)}))
            return error_ == 0;
    }
}

bool FileSink::copyFrom(const std::string& path) {
    if (error_ != 0)
        return false;
    int source = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return fail(errno);
    // The system copies within itself where it can; between file systems that do not allow it,
    // the bytes pass through one piece of memory.
    bool copied = true;
    for (;;) {
        ssize_t moved = ::copy_file_range(source, nullptr, fd_, nullptr, std::size_t{1} << 30, 0);
        if (moved > 0 || (moved < 0 && errno == EINTR))
            continue;
        if (moved == 0)
            break;
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
            errno == EBADF)
            copied = copyByReading(source);
        else
            copied = fail(errno);
        break;
    }
    ::close(source);
    return copied;
}

bool FileSink::restart() {
    if (error_ != 0)
        return false;
    if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0)
        return fail(errno);
    return true;
}

FileResult replaceFile(const std::string& path, std::string_view bytes,
                       const std::string& backupFolder) {
    return replaceFileWith(
        path, [bytes](FileSink& sink) { sink.write(bytes); }, backupFolder);
}

FileResult replaceFileWith(const std::string& path, const ContentWriter& write,
                           const std::string& backupFolder) {
    if (path.empty())
        return writeFailure(path, ENOENT);
    timespec start{};
    // The coarse clock is the one file times come from, so "older" compares like with like.
    ::clock_gettime(CLOCK_REALTIME_COARSE, &start);
    const std::string target = finalTarget(path);
    FileResult result = putInPlace(target, write, backupFolder);
    result.path = path;
    if (result.ok())
        removeLeftovers(target, start);
    return result;
}
