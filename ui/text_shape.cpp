#include "ui/text_shape.h"

#include "ui/text_codec.h"

#include <QTextBoundaryFinder>

namespace ui {

namespace {

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// The UTF-8 length of the UTF-16 units [from, to) of the text.
std::size_t utf8Length(const QString& text, qsizetype from, qsizetype to) {
    std::size_t bytes = 0;
    for (qsizetype i = from; i < to; ++i) {
        char16_t u = text.at(i).unicode();
        bytes += u < 0x80 ? 1 : u < 0x800 ? 2 : QChar::isSurrogate(u) ? 2 : 3;
    }
    return bytes;
}

} // namespace

std::vector<std::size_t> graphemeEnds(std::string_view text) {
    std::vector<std::size_t> ends;
    if (isAscii(text)) { // every byte a character of its own
        ends.reserve(text.size());
        for (std::size_t i = 1; i <= text.size(); ++i)
            ends.push_back(i);
        return ends;
    }
    const QString string = fromStored(text);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, string);
    qsizetype previous = 0;
    std::size_t bytes = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        bytes += utf8Length(string, previous, at);
        ends.push_back(bytes);
        previous = at;
    }
    return ends;
}

bool isRightToLeft(std::string_view text) {
    return !isAscii(text) && fromStored(text).isRightToLeft();
}

} // namespace ui
