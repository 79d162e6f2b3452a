#include "listfile/font_log.h"

#include "listfile/font_block.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr const char* kLogFileName = "font_debug_file";

int entriesWritten = 0;
std::function<LocalTime()> timeForTests;

LocalTime localTimeNow() {
    if (timeForTests)
        return timeForTests();
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

void addLine(std::string& out, const std::string& text) {
    out += text;
    out += '\n';
}

} // namespace

std::string fontLogEntry(const FontDescription& font, bool isQuestion, const std::string& listPath,
                         int entryNumber, const LocalTime& time) {
    using std::to_string;
    std::string out;
    addLine(out, std::string(58, '-'));
    addLine(out, "Zelkora Font Debug File\tEntry  " + to_string(entryNumber) + " since startup");
    addLine(out, "FILE:\t" + listPath);
    addLine(out, isQuestion ? "QUESTION\tCLOSE" : "ANSWER\tCLOSE");
    addLine(out, "DATE:\t" + to_string(time.month) + '\t' + to_string(time.day) + '\t' +
                     to_string(time.hour) + '\t' + to_string(time.minute) + '\t' +
                     to_string(time.second));
    for (int number :
         {font.height, font.width, font.escapement, font.orientation, font.weight, int{font.italic},
          int{font.underline}, int{font.strikeOut}, int{font.charSet}, int{font.outPrecision},
          int{font.clipPrecision}, int{font.quality}, int{font.pitchAndFamily}})
        addLine(out, to_string(number));
    std::string faceName = storedFaceName(font);
    addLine(out, faceName);
    addLine(out, "STRLEN" + to_string(faceName.size()));
    return out;
}

bool appendFontLogEntry(const FontDescription& font, bool isQuestion, const std::string& listPath) {
    std::FILE* log = std::fopen(kLogFileName, "ab");
    if (!log)
        return false;
    std::string entry =
        fontLogEntry(font, isQuestion, listPath, entriesWritten + 1, localTimeNow());
    bool written = std::fwrite(entry.data(), 1, entry.size(), log) == entry.size();
    if (std::fclose(log) == 0 && written)
        ++entriesWritten;
    return true;
}

void resetFontLogEntryNumber() {
    entriesWritten = 0;
}

void setFontLogTimeForTests(std::function<LocalTime()> now) {
    timeForTests = std::move(now);
}
