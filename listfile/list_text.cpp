#include "listfile/list_text.h"

#include <charconv>

namespace {

bool breaksLine(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

} // namespace

void appendText(std::string& out, std::string_view text) {
    std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i)
        if (breaksLine(out[i]))
            out[i] = ' ';
}

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
