#include "shell/file_messages.h"

#include "resources/string_table.h"
#include "store/notices.h"

namespace shell {
namespace {

// The line under the message that names the file, where the message alone does not say which.
std::string detailLine(const FileResult& result) {
    if (result.error == FileError::NotAList)
        return result.path;
    return {};
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
