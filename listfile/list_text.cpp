#include "listfile/list_text.h"

#include <charconv>

namespace {

bool breaksLine(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

} // namespace

void blankLineBreaks(std::string& text) {
    for (char& c : text)
        if (breaksLine(c))
            c = ' ';
}

void appendDecimal(std::string& out, int32_t number) {
    char buffer[12];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out.append(buffer, result.ptr);
}
