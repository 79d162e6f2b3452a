#include "listfile/text_encoding.h"

#include "store/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

char blankedLineBreak(char c) {
    return c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

CodePage codePageOf(TextEncoding encoding) {
    return static_cast<CodePage>(encoding);
}

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

// Whether one of the eight bytes is below 0x20 (TAB, CR and LF among them).
bool hasControl(uint64_t word) {
    return ((word - 0x20 * kEveryByte) & ~word & kHighBits) != 0;
}

uint64_t wordAt(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// The bytes of the characters U+0080 to U+07FF (those of two UTF-8 bytes, where nearly every
// letter of the code pages lies) in each code page; 0 for a character it has no byte for.
using TwoByteTable = std::array<uint8_t, 0x800 - 0x80>;

const TwoByteTable& twoByteTable(CodePage page) {
    static const auto tables = [] {
        std::array<TwoByteTable, kCodePageCount> made{};
        for (int page = 0; page < kCodePageCount; ++page)
            for (char32_t c = 0x80; c < 0x800; ++c)
                made[page][c - 0x80] =
                    static_cast<uint8_t>(std::max(byteOf(static_cast<CodePage>(page), c), 0));
        return made;
    }();
    return tables[static_cast<std::size_t>(page)];
}

// The character at the text's position in the code page, written to out; nullptr when it has
// no byte there.
char* encodeCharacter(char* out, std::string_view text, std::size_t& at, CodePage page,
                      const TwoByteTable& table) {
    auto b0 = static_cast<unsigned char>(text[at]);
    if (b0 < 0x80) {
        *out = blankedLineBreak(static_cast<char>(b0));
        ++at;
        return out + 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF && at + 1 < text.size() &&
        (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80) {
        uint8_t byte =
            table[((b0 & 0x1Fu) << 6 | (static_cast<unsigned char>(text[at + 1]) & 0x3Fu)) - 0x80];
        if (byte == 0)
            return nullptr;
        *out = static_cast<char>(byte);
        at += 2;
        return out + 1;
    }
    int byte = byteOf(page, nextCodePoint(text, at)); // never TAB, CR or LF
    if (byte < 0)
        return nullptr;
    *out = static_cast<char>(byte);
    return out + 1;
}

// Eight bytes at a time while they are ASCII without TAB, CR or LF, else one character.
char* encodeInCodePage(char* out, std::string_view text, CodePage page) {
    const TwoByteTable& table = twoByteTable(page);
    for (std::size_t at = 0; at < text.size();) {
        if (text.size() - at >= 8) {
            uint64_t word = wordAt(text.data() + at);
            if ((word & kHighBits) == 0 && !hasControl(word)) {
                std::memcpy(out, &word, 8);
                out += 8;
                at += 8;
                continue;
            }
        }
        out = encodeCharacter(out, text, at, page, table);
        if (!out)
            return nullptr;
    }
    return out;
}

char* encodeUtf8(char* out, std::string_view text) {
    if (text.empty()) // a card without texts has no bytes to copy from
        return out;
    std::memcpy(out, text.data(), text.size());
    std::size_t at = 0;
    for (; text.size() - at >= 8; at += 8)
        if (hasControl(wordAt(text.data() + at)))
            break;
    for (; at < text.size(); ++at)
        out[at] = blankedLineBreak(text[at]);
    return out + text.size();
}

#ifdef __SSE2__
// Sixteen bytes written as a card line has them (NUL as TAB, TAB CR LF as blanks); returns how
// many of them, from the first, are right: all, or, where bytes beyond ASCII need a lookup,
// those before the first of them.
std::size_t encodeBlock(const char* in, char* out, bool beyondAscii) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')),
                                        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')),
                                                     _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
    const __m128i ends = _mm_cmpeq_epi8(v, _mm_setzero_si128());
    __m128i line =
        _mm_or_si128(_mm_andnot_si128(breaks, v), _mm_and_si128(breaks, _mm_set1_epi8(' ')));
    line = _mm_or_si128(_mm_andnot_si128(ends, line), _mm_and_si128(ends, _mm_set1_epi8('\t')));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), line);
    auto beyond = static_cast<unsigned>(_mm_movemask_epi8(v));
    return beyondAscii || beyond == 0 ? 16 : static_cast<std::size_t>(std::countr_zero(beyond));
}
#else
std::size_t encodeBlock(const char*, char*, bool) {
    return 0;
}
#endif

// The same for the last bytes, fewer than sixteen, from a copy with room behind it.
std::size_t encodeTail(const char* in, std::size_t size, char* out, bool beyondAscii) {
    char block[16] = {};
    std::memcpy(block, in, size);
    return std::min(size, encodeBlock(block, out, beyondAscii));
}

Utf8OfBytes makeUtf8OfBytes(CodePage page) {
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
            all[static_cast<std::size_t>(i)] = makeUtf8OfBytes(static_cast<CodePage>(i));
        return all;
    }();
    return tables[static_cast<std::size_t>(page)];
}

} // namespace

const Utf8OfBytes& utf8OfBytes(TextEncoding encoding) {
    return utf8Of(encoding == TextEncoding::utf8 ? CodePage::cp1252 : codePageOf(encoding));
}

namespace {

// Every byte is one character of at most three UTF-8 bytes: built in place, a table lookup each.
// The scratch string only grows; the text is the view of its start.
std::string_view fromCodePage(std::string_view field, CodePage page, std::string& scratch) {
    const Utf8OfBytes& table = utf8Of(page);
    if (scratch.size() < field.size() * 3 + 1)
        scratch.resize(field.size() * 3 + 1);
    char* const start = scratch.data();
    char* out = start;
    for (char c : field) {
        const std::array<char, 4>& utf8 = table[static_cast<unsigned char>(c)];
        std::memcpy(out, &utf8[1], 3);
        out += utf8[0];
    }
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

char* encodeText(char* out, std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::utf8)
        return encodeUtf8(out, text);
    return encodeInCodePage(out, text, codePageOf(encoding));
}

// Sixteen bytes at a time, up to a byte that needs a lookup (in a code page: one beyond ASCII),
// which is encoded on its own.
char* encodeTexts(char* out, std::string_view texts, TextEncoding encoding) {
    const bool utf8 = encoding == TextEncoding::utf8;
    const CodePage page = utf8 ? CodePage::cp1252 : codePageOf(encoding);
    const TwoByteTable& table = twoByteTable(page);
    for (std::size_t at = 0; at < texts.size();) {
        std::size_t left = texts.size() - at;
        std::size_t done = left >= 16 ? encodeBlock(texts.data() + at, out, utf8)
                                      : encodeTail(texts.data() + at, left, out, utf8);
        out += done;
        at += done;
        if (done > 0 || at == texts.size())
            continue;
        auto byte = static_cast<unsigned char>(texts[at]);
        if (utf8 || byte < 0x80) { // without SSE2
            *out++ = byte == 0 ? '\t' : blankedLineBreak(static_cast<char>(byte));
            ++at;
            continue;
        }
        out = encodeCharacter(out, texts, at, page, table);
        if (!out)
            return nullptr;
    }
    return out;
}

bool appendEncoded(std::string& out, std::string_view text, TextEncoding encoding) {
    std::size_t start = out.size();
    out.resize(start + text.size());
    char* end = encodeText(out.data() + start, text, encoding);
    out.resize(end ? static_cast<std::size_t>(end - out.data()) : start);
    return end != nullptr;
}

std::string_view decodeField(std::string_view field, TextEncoding encoding, std::string& scratch) {
    if (plainAscii(field))
        return field;
    // A code page gives each byte a character (NUL for 0); a field of a UTF-8 file that is not
    // well-formed is read as Windows-1252.
    if (encoding == TextEncoding::utf8 && isValidUtf8(field))
        return field;
    CodePage page = encoding == TextEncoding::utf8 ? CodePage::cp1252 : codePageOf(encoding);
    return fromCodePage(field, page, scratch);
}

TextEncoding detectTextEncoding(std::string_view& bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        return TextEncoding::utf8;
    }
    return isValidUtf8(bytes) ? TextEncoding::utf8 : TextEncoding::cp1252;
}
