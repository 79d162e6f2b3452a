#include "listfile/text_encoding.h"

#include "store/utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

char blankedLineBreak(char c) {
    return c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

bool isAscii(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080u)
            return false;
    }
    for (; p != end; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80)
            return false;
    return true;
}

CodePage codePageOf(TextEncoding encoding) {
    return static_cast<CodePage>(encoding);
}

bool appendInCodePage(std::string& out, std::string_view text, CodePage page) {
    for (std::size_t at = 0; at < text.size();) {
        int byte = byteOf(page, nextCodePoint(text, at));
        if (byte < 0)
            return false;
        out += blankedLineBreak(static_cast<char>(byte));
    }
    return true;
}

void appendUtf8Text(std::string& out, std::string_view text) {
    std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i)
        out[i] = blankedLineBreak(out[i]);
}

// The UTF-8 bytes of each byte of a code page: its length, then up to three bytes.
using Utf8OfBytes = std::array<std::array<char, 4>, 256>;

Utf8OfBytes utf8OfBytes(CodePage page) {
    Utf8OfBytes table{};
    std::string utf8;
    for (int byte = 0; byte < 256; ++byte) {
        utf8.clear();
        appendUtf8(utf8, characterOf(page, static_cast<unsigned char>(byte)));
        table[static_cast<std::size_t>(byte)][0] = static_cast<char>(utf8.size());
        std::memcpy(&table[static_cast<std::size_t>(byte)][1], utf8.data(), utf8.size());
    }
    return table;
}

const Utf8OfBytes& utf8Of(CodePage page) {
    static const auto tables = [] {
        std::array<Utf8OfBytes, kCodePageCount> all;
        for (int i = 0; i < kCodePageCount; ++i)
            all[static_cast<std::size_t>(i)] = utf8OfBytes(static_cast<CodePage>(i));
        return all;
    }();
    return tables[static_cast<std::size_t>(page)];
}

// Every byte is one character of at most three UTF-8 bytes: built in place, a table lookup each.
// The scratch string only grows; the text is the view of its start. nul tells whether a byte was 0.
std::string_view fromCodePage(std::string_view field, CodePage page, std::string& scratch,
                              bool& nul) {
    const Utf8OfBytes& table = utf8Of(page);
    if (scratch.size() < field.size() * 3 + 1)
        scratch.resize(field.size() * 3 + 1);
    char* const start = scratch.data();
    char* out = start;
    unsigned zero = 1;
    for (char c : field) {
        const std::array<char, 4>& utf8 = table[static_cast<unsigned char>(c)];
        std::memcpy(out, &utf8[1], 3);
        out += utf8[0];
        zero &= c != 0;
    }
    nul = zero == 0;
    return {start, static_cast<std::size_t>(out - start)};
}

// Whether every byte is ASCII and none is NUL, eight at a time.
bool plainAscii(std::string_view text) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    const char* p = text.data();
    const char* end = p + text.size();
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if ((word | ((word - kOnes) & ~word)) & kHighBits)
            return false;
    }
    for (; p != end; ++p)
        if (*p == 0 || static_cast<unsigned char>(*p) >= 0x80)
            return false;
    return true;
}

} // namespace

static_assert(static_cast<int>(TextEncoding::cp1250) == static_cast<int>(CodePage::cp1250) &&
              static_cast<int>(TextEncoding::cp1258) == static_cast<int>(CodePage::cp1258) &&
              static_cast<int>(TextEncoding::utf8) == kCodePageCount);

TextEncoding textEncodingOfCharSet(uint8_t charSet) {
    return static_cast<TextEncoding>(codePageOfCharSet(charSet));
}

ListEncoding listEncodingOfFonts(const FontDescription& question, const FontDescription& answer) {
    return {textEncodingOfCharSet(question.charSet), textEncodingOfCharSet(answer.charSet)};
}

bool appendEncoded(std::string& out, std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::utf8 || isAscii(text)) {
        appendUtf8Text(out, text);
        return true;
    }
    return appendInCodePage(out, text, codePageOf(encoding));
}

std::string_view decodeField(std::string_view field, TextEncoding encoding, std::string& scratch) {
    bool clean = false;
    return decodeField(field, encoding, scratch, clean);
}

std::string_view decodeField(std::string_view field, TextEncoding encoding, std::string& scratch,
                             bool& clean) {
    clean = true;
    if (plainAscii(field))
        return field;
    bool nul = false;
    // A code page gives each byte a character (NUL for 0); a field of a UTF-8 file that is not
    // well-formed is read as Windows-1252.
    if (encoding == TextEncoding::utf8 && isValidUtf8(field)) {
        clean = std::memchr(field.data(), 0, field.size()) == nullptr;
        return field;
    }
    CodePage page = encoding == TextEncoding::utf8 ? CodePage::cp1252 : codePageOf(encoding);
    std::string_view text = fromCodePage(field, page, scratch, nul);
    clean = !nul;
    return text;
}

TextEncoding detectTextEncoding(std::string_view& bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        return TextEncoding::utf8;
    }
    return isValidUtf8(bytes) ? TextEncoding::utf8 : TextEncoding::cp1252;
}
