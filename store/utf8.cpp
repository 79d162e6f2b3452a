#include "store/utf8.h"

#include "store/cp1252.h"

namespace {

unsigned byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

bool isContinuation(unsigned b) {
    return (b & 0xC0u) == 0x80u;
}

// Where a character starts that the byte at `at` belongs to (at most three steps back).
std::size_t characterStart(std::string_view text, std::size_t at) {
    for (int back = 0; back < 3 && at > 0 && isContinuation(byteAt(text, at)); ++back)
        --at;
    return at;
}

// Windows-1252 bytes rank first, in byte order; every other character after them.
char32_t rank(char32_t c) {
    int byte = cp1252ByteOf(c);
    return byte >= 0 ? static_cast<char32_t>(byte) : 0x100 + c;
}

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    unsigned b0 = byteAt(text, at);
    if (b0 < 0x80)
        return 1;
    std::size_t length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : 2;
    if (b0 < 0xC2 || b0 > 0xF4 || at + length > text.size())
        return 0;
    unsigned b1 = byteAt(text, at + 1);
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    unsigned low = b0 == 0xE0 ? 0xA0 : b0 == 0xF0 ? 0x90 : 0x80;
    unsigned high = b0 == 0xED ? 0x9F : b0 == 0xF4 ? 0x8F : 0xBF;
    if (b1 < low || b1 > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(byteAt(text, at + i)))
            return 0;
    return length;
}

bool isValidUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (byteAt(text, at) < 0x80) {
            ++at;
            continue;
        }
        std::size_t length = utf8SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    std::size_t length = utf8SequenceLength(text, at);
    unsigned b0 = byteAt(text, at);
    if (length == 0) {
        ++at;
        return kReplacementCharacter;
    }
    char32_t c = length == 1 ? b0 : b0 & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byteAt(text, at + i) & 0x3Fu);
    at += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t countCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += !isContinuation(static_cast<unsigned char>(c));
    return count;
}

std::string_view leadingCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isContinuation(byteAt(text, at)))
            continue;
        if (count == maxCharacters)
            return text.substr(0, at);
        ++count;
    }
    return text;
}

int compareStoredText(std::string_view a, std::string_view b) {
    std::size_t at = 0;
    std::size_t common = a.size() < b.size() ? a.size() : b.size();
    while (at < common && a[at] == b[at])
        ++at;
    if (at == common)
        return (a.size() > b.size()) - (a.size() < b.size());
    if (byteAt(a, at) < 0x80 && byteAt(b, at) < 0x80)
        return byteAt(a, at) < byteAt(b, at) ? -1 : 1;
    // The first difference lies inside a character: compare the two whole characters.
    std::size_t start = characterStart(a, at);
    std::size_t atA = start;
    std::size_t atB = start;
    char32_t ca = rank(nextCodePoint(a, atA));
    char32_t cb = rank(nextCodePoint(b, atB));
    if (ca == cb) // only where a text is not well-formed
        return byteAt(a, at) < byteAt(b, at) ? -1 : 1;
    return ca < cb ? -1 : 1;
}
