#include "shell/file_messages.h"

#include "resources/string_table.h"
#include "store/notices.h"

#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

std::string reasonText(const FileResult& result) {
    if (result.reason == FailReason::System)
        return result.systemText;
    int offset = static_cast<int>(result.reason) - static_cast<int>(FailReason::DiskFull);
    return strings::text(listfile::text::FirstReason + offset);
}

std::string fullPath(const std::string& path) {
    QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
    return QFile::encodeName(file.absoluteFilePath()).toStdString();
}

// The line under the message: why the system refused, and the file's full path.
std::string detailLine(const FileResult& result) {
    if (result.error == FileError::NotAList)
        return fullPath(result.path);
    if (result.reason == FailReason::None)
        return {};
    std::string reason = reasonText(result);
    return reason.empty() ? fullPath(result.path) : reason + ": " + fullPath(result.path);
}

} // namespace

bool showFileResult(const FileResult& result) {
    if (result.warningText != 0)
        showError(result.warningText);
    if (result.ok())
        return true;
    std::string detail = detailLine(result);
    if (detail.empty())
        showError(result.textNumber);
    else
        showErrorText(std::string(strings::text(result.textNumber)) + '\n' + detail);
    return false;
}

} // namespace shell
