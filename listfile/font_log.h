#pragma once

#include "store/font_description.h"

#include <functional>
#include <string>

// The font debug log: every save of a list file appends the question font and the answer font
// to "font_debug_file" in the current directory. The program never reads it.

struct LocalTime {
    int month = 1; // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Appends one entry. When the log cannot be opened nothing is written and the result is false;
// the caller tells the user and goes on.
bool appendFontLogEntry(const FontDescription& font, bool isQuestion, const std::string& listPath);

// The twenty LF-terminated lines of one entry.
std::string fontLogEntry(const FontDescription& font, bool isQuestion, const std::string& listPath,
                         int entryNumber, const LocalTime& time);

// For tests: entries count from 1 again; the local time comes from the function (nullptr
// restores the real clock).
void resetFontLogEntryNumber();
void setFontLogTimeForTests(std::function<LocalTime()> now);
