#pragma once

#include "listfile/file_result.h"

namespace shell {

// Shows what a reader, writer or export reported: a warning about work that was done all the
// same, then the one message of a failure. True when the work was done.
bool showFileResult(const FileResult& result);

} // namespace shell
