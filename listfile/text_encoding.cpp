#include "listfile/text_encoding.h"

#include "store/utf8.h"

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

std::string_view fromCodePage(std::string_view field, CodePage page, std::string& scratch) {
    scratch.clear();
    for (char c : field)
        appendUtf8(scratch, characterOf(page, static_cast<unsigned char>(c)));
    return scratch;
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
    if (isAscii(field))
        return field;
    if (encoding != TextEncoding::utf8)
        return fromCodePage(field, codePageOf(encoding), scratch);
    return isValidUtf8(field) ? field : fromCodePage(field, CodePage::cp1252, scratch);
}

TextEncoding detectTextEncoding(std::string_view& bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        return TextEncoding::utf8;
    }
    return isValidUtf8(bytes) ? TextEncoding::utf8 : TextEncoding::cp1252;
}
