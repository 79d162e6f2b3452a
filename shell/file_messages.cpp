#include "shell/file_messages.h"

#include "resources/string_table.h"
#include "store/notices.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

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

// The message with "%1" replaced by the line and "%2" by the column.
std::string placeNumbers(std::string message, int line, int column) {
    for (auto [mark, number] : {std::pair{"%1", line}, std::pair{"%2", column}})
        if (std::size_t at = message.find(mark); at != std::string::npos)
            message.replace(at, 2, std::to_string(number));
    return message;
}

} // namespace

bool showFileResult(const FileResult& result) {
    if (result.warningText != 0)
        showError(result.warningText);
    if (result.ok())
        return true;
    if (result.textNumber == 0) // the user cancelled; nothing to tell
        return false;
    std::string detail = detailLine(result);
    std::string message = strings::text(result.textNumber);
    if (result.line > 0)
        message = placeNumbers(message, result.line, result.column);
    if (detail.empty() && result.line == 0)
        showError(result.textNumber);
    else
        showErrorText(detail.empty() ? message : message + '\n' + detail);
    return false;
}

} // namespace shell
