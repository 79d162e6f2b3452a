#pragma once

#include <string>

namespace shell {

// The longest path the list's file name holds, in bytes.
constexpr std::size_t kPathLimit = 499;

// The program's arguments joined by single blanks: the whole command line is one path.
std::string joinCommandLine(int argc, const char* const* argv);

// Opens the list the command line names. An empty command line opens nothing; a path longer than
// the file name can hold is refused with a message. True when a list was opened.
bool openCommandLineList(const std::string& commandLine);

} // namespace shell
