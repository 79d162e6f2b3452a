#pragma once

#include <QString>

#include <string>

namespace shell {

// The longest path the list's file name holds, in bytes.
constexpr std::size_t kPathLimit = 499;

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    std::string listPath; // for Run: the list to open, empty for none
};

// Reads the arguments as the user gave them; call it before the application object exists,
// which takes its own options (-style, -reverse, ...) out of argv. "--help" or "--version" alone
// prints and ends; anything else is joined by single blanks into one path.
CommandLine readCommandLine(int argc, const char* const* argv);

// The program's arguments joined by single blanks: the whole command line is one path.
std::string joinCommandLine(int argc, const char* const* argv);

// The texts printed for --help (in the user's language) and --version.
QString usageText();
std::string versionText();

// Opens the list the command line names. An empty command line opens nothing; a path longer than
// the file name can hold is refused with a message. True when a list was opened.
bool openCommandLineList(const std::string& commandLine);

} // namespace shell
