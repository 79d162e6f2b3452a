#include "shell/command_line.h"

#include "shell/file_commands.h"
#include "shell/shell_texts.h"
#include "store/notices.h"

namespace shell {

std::string joinCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

bool openCommandLineList(const std::string& commandLine) {
    if (commandLine.empty())
        return false;
    if (commandLine.size() > kPathLimit) {
        showError(text::CommandLineTooLong);
        return false;
    }
    return openList(commandLine);
}

} // namespace shell
