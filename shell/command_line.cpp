#include "shell/command_line.h"

#include "resources/version.h"
#include "shell/file_commands.h"
#include "shell/shell_texts.h"
#include "store/notices.h"

#include <QCoreApplication>

#include <cstring>

namespace shell {

CommandLine readCommandLine(int argc, const char* const* argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return {CommandLine::Action::Help, {}};
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return {CommandLine::Action::Version, {}};
    return {CommandLine::Action::Run, joinCommandLine(argc, argv)};
}

std::string joinCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

QString usageText() {
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: zelkora [LIST]\n"
        "A flash-card trainer for learning vocabulary.\n"
        "\n"
        "Opens the vocabulary list LIST (a .zlk list or a tab-separated text file). The whole\n"
        "command line is the path, blanks included, so no quotes are needed.\n"
        "\n"
        "  --help     show this help and exit\n"
        "  --version  show the version and exit\n");
}

std::string versionText() {
    return "zelkora " ZELKORA_VERSION "\n";
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
