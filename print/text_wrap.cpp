#include "print/text_wrap.h"

#include "ui/text_shape.h"

namespace {

// Texts are cut only between characters as the reader sees them (a letter with its accents, an
// emoji), never inside one: the lengths below are in bytes, at the end of such a character.

// The length of the shortest start that is wider than the width, or the whole text when it is
// not wider. At least one character, so a break always moves on.
std::size_t charactersCrossing(ui::Canvas& canvas, std::string_view text, int width) {
    for (std::size_t end : ui::graphemeEnds(text))
        if (canvas.textWidth(text.substr(0, end)) > width)
            return end;
    return text.size();
}

// The length of the longest start, at least one character, that is no wider than the width.
std::size_t charactersFitting(ui::Canvas& canvas, std::string_view text, int width) {
    const std::vector<std::size_t> ends = ui::graphemeEnds(text);
    std::size_t fitting = ends.empty() ? text.size() : ends.front();
    for (std::size_t i = 1; i < ends.size() && canvas.textWidth(text.substr(0, ends[i])) <= width;
         ++i)
        fitting = ends[i];
    return fitting;
}

// The last space after the line start such that the text from the start up to it is narrower
// than the column; npos when there is none. A space at the line start is no break: taking it
// would not move the line on.
std::size_t columnBreak(ui::Canvas& canvas, std::string_view rest, int columnWidth) {
    std::size_t found = std::string_view::npos;
    for (std::size_t space = rest.find(' ', 1); space != std::string_view::npos;
         space = rest.find(' ', space + 1)) {
        if (canvas.textWidth(rest.substr(0, space)) >= columnWidth)
            break;
        found = space;
    }
    return found;
}

void addWordPieces(ui::Canvas& canvas, std::string_view word, int limit,
                   std::vector<std::string_view>& lines) {
    if (canvas.textWidth(word) <= limit) {
        lines.push_back(word);
        return;
    }
    while (!word.empty()) {
        std::size_t n = charactersFitting(canvas, word, limit);
        lines.push_back(word.substr(0, n));
        word.remove_prefix(n);
    }
}

} // namespace

std::vector<std::string_view> wrapColumnText(ui::Canvas& canvas, std::string_view text,
                                             int columnWidth) {
    std::vector<std::string_view> lines;
    std::string_view rest = text;
    while (canvas.textWidth(rest) >= columnWidth) {
        std::size_t length = columnBreak(canvas, rest, columnWidth);
        if (length == std::string_view::npos)
            length = charactersCrossing(canvas, rest, columnWidth);
        lines.push_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    lines.push_back(rest);
    return lines;
}

std::vector<std::string_view> wrapCardText(ui::Canvas& canvas, std::string_view text, int limit) {
    std::vector<std::string_view> lines;
    if (canvas.textWidth(text) <= limit) {
        lines.push_back(text);
        return lines;
    }
    std::size_t lineStart = 0;
    std::size_t lineEnd = std::string_view::npos; // the last space the line takes
    std::size_t searchFrom = 0;
    for (std::size_t space = text.find(' ', searchFrom); space != std::string_view::npos;
         space = text.find(' ', searchFrom)) {
        if (canvas.textWidth(text.substr(lineStart, space - lineStart)) <= limit) {
            lineEnd = space;
            searchFrom = space + 1;
            continue;
        }
        if (lineEnd != std::string_view::npos) {
            // The word before this space starts the next line.
            lines.push_back(text.substr(lineStart, lineEnd - lineStart));
            lineStart = lineEnd + 1;
            lineEnd = std::string_view::npos;
        } else {
            addWordPieces(canvas, text.substr(lineStart, space - lineStart), limit, lines);
            lineStart = space + 1;
        }
        searchFrom = lineStart;
    }
    if (lineEnd != std::string_view::npos) {
        lines.push_back(text.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
    }
    addWordPieces(canvas, text.substr(lineStart), limit, lines);
    return lines;
}
