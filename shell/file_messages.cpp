#include "shell/file_messages.h"

#include "store/notices.h"

namespace shell {

bool showFileResult(const FileResult& result) {
    if (result.warningText != 0)
        showError(result.warningText);
    if (result.ok())
        return true;
    showError(result.textNumber);
    return false;
}

} // namespace shell
