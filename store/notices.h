#pragma once

#include <string>

// How the store tells the user something. The window layer installs a sink that shows a real
// message box; tests install a recorder. Without a sink the message goes to stderr.
enum class NoticeKind { Error, Notice };

class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    // caption and text are UTF-8. Returns the message-box result (1 = OK).
    virtual int show(NoticeKind kind, const std::string& caption, const std::string& text) = 0;
};

// Installs the sink (nullptr restores the default) and returns the previous one.
NoticeSink* setNoticeSink(NoticeSink* sink);

// Shows text number n of the string table, captioned "An error occurred" with the error icon.
// A number without text first reports that fault (text 132), then shows an empty box.
int showError(int textNumber);
// The same, captioned "Message:" with the information icon.
int showNotice(int textNumber);
// Shows an error box with a text that is not in the string table (UTF-8).
int showErrorText(const std::string& text);
int showNoticeText(const std::string& text);

// Fatal internal error: the error box with the text, then the process ends with status 8.
[[noreturn]] void fatalError(int textNumber);
constexpr int kFatalExitStatus = 8;
