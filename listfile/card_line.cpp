#include "listfile/card_line.h"

#include "listfile/byte_reader.h"
#include "store/utf8.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr int kTextLimits[4] = {kQuestionLimit, kAnswerLimit, kLessonLimit, kAdditionalInfoLimit};

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;

// The high bit of each byte that is 0, exactly (no borrow reaches the next byte).
uint64_t zeroBytes(uint64_t word) {
    return ~(((word & kLow7) + kLow7) | word | kLow7);
}

// The high bits of the eight bytes, as eight bits (the first byte lowest).
uint64_t gathered(uint64_t highBits) {
    return ((highBits >> 7) * 0x0102040810204080u) >> 56;
}

// A number as parseDecimal reads it; plain digits, as the list has them, read directly.
int32_t decimal(std::string_view text) {
    int32_t value = 0;
    std::size_t i = 0;
    for (; i < text.size() && i < 9 && static_cast<unsigned>(text[i] - '0') < 10; ++i)
        value = value * 10 + (text[i] - '0');
    bool ended = i == text.size() || static_cast<unsigned>(text[i] - '0') >= 10;
    return i > 0 && ended ? value : parseDecimal(text);
}

} // namespace

void maskWordByWords(const char* bytes, uint64_t& tabs, uint64_t& special) {
    tabs = 0;
    special = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        uint64_t word;
        std::memcpy(&word, bytes + i * 8, 8);
        tabs |= gathered(zeroBytes(word ^ ('\t' * kEveryByte))) << (8 * i);
        special |= gathered(zeroBytes(word) | (word & kHighBits)) << (8 * i);
    }
}

namespace {

#ifdef __SSE2__
// The 64 bytes' TABs and special bytes, sixteen at a time.
void maskWord(const char* bytes, uint64_t& tabs, uint64_t& special) {
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i zero = _mm_setzero_si128();
    tabs = 0;
    special = 0;
    for (int i = 0; i < 4; ++i) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
        auto tabBits = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tab)));
        auto specialBits = static_cast<uint32_t>(_mm_movemask_epi8(v) |
                                                 _mm_movemask_epi8(_mm_cmpeq_epi8(v, zero)));
        tabs |= uint64_t{tabBits} << (16 * i);
        special |= uint64_t{specialBits} << (16 * i);
    }
}
#else
// The same eight bytes at a time, for processors without SSE2.
void maskWord(const char* bytes, uint64_t& tabs, uint64_t& special) {
    maskWordByWords(bytes, tabs, special);
}
#endif

} // namespace

// Where in a line its TABs are, and the bytes a text cannot simply be copied from: NUL and the
// bytes of the upper half. One bit per byte, found sixteen bytes at a time (eight without SSE2);
// the line is followed by slack, so that its last 64 bytes may be read whole.
class LineMasks {
public:
    explicit LineMasks(std::string_view line) : size_(line.size()) {
        std::size_t words = (size_ + 63) / 64;
        if (words > kInline) {
            heap_.resize(2 * words);
            tabs_ = heap_.data();
            special_ = tabs_ + words;
        }
        for (std::size_t word = 0; word < words; ++word)
            maskWord(line.data() + word * 64, tabs_[word], special_[word]);
        // The slack after the line holds no TAB.
        if (size_ % 64 != 0)
            tabs_[words - 1] &= ~(~uint64_t{0} << (size_ % 64));
    }

    // Where the first TABs are, at most `most` of them; returns how many were found.
    int firstTabs(std::size_t* at, int most) const {
        int found = 0;
        for (std::size_t word = 0; word * 64 < size_ && found < most; ++word)
            for (uint64_t bits = tabs_[word]; bits && found < most; bits &= bits - 1)
                at[found++] = word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
        return found;
    }

    // The first special byte from `from` on before `to`, or `to`.
    std::size_t nextSpecial(std::size_t from, std::size_t to) const {
        return next(special_, from, to);
    }

private:
    static std::size_t next(const uint64_t* mask, std::size_t from, std::size_t to) {
        for (std::size_t word = from / 64; word * 64 < to; ++word) {
            uint64_t bits = mask[word];
            if (word == from / 64)
                bits &= ~uint64_t{0} << (from % 64);
            if (bits)
                return std::min(to, word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
        }
        return to;
    }

    static constexpr std::size_t kInline = 4; // lines up to 256 bytes, nearly all of them
    std::size_t size_;
    uint64_t inline_[2 * kInline];
    std::vector<uint64_t> heap_;
    uint64_t* tabs_ = inline_;
    uint64_t* special_ = inline_ + kInline;
};

namespace {

// The bytes from..to of a code-page field as UTF-8 at out, which moves past them: the plain runs
// between special bytes copied, each upper-half byte looked up; the text ends at a NUL. Writes up
// to the slack beyond the text and reads up to the slack beyond the line.
void decodeCodePage(std::string_view line, const LineMasks& masks, std::size_t from, std::size_t to,
                    const Utf8OfBytes& table, char*& out) {
    char* o = out;
    for (;;) {
        std::size_t special = masks.nextSpecial(from, to);
        std::size_t run = special - from;
        if (run <= 16)
            std::memcpy(o, line.data() + from, 16);
        else
            std::memcpy(o, line.data() + from, run);
        o += run;
        if (special == to)
            break;
        auto byte = static_cast<unsigned char>(line[special]);
        if (byte == 0)
            break;
        uint32_t utf8; // its count, then its bytes
        std::memcpy(&utf8, table[byte].data(), 4);
        utf8 >>= 8;
        std::memcpy(o, &utf8, 4);
        o += table[byte][0];
        from = special + 1;
    }
    out = o;
}

} // namespace

CardLineDecoder::CardLineDecoder(ListEncoding encoding)
    : encoding_(encoding), tables_{&utf8OfBytes(encoding.question), &utf8OfBytes(encoding.answer)} {
}

// One field, from..to of the line, as its card text.
std::string_view CardLineDecoder::fieldText(std::string_view line, const LineMasks& masks,
                                            std::size_t from, std::size_t to, int field) {
    auto max = static_cast<std::size_t>(kTextLimits[field]);
    if ((field == 1 ? encoding_.answer : encoding_.question) == TextEncoding::utf8) {
        std::string_view text = line.substr(from, to - from);
        if (masks.nextSpecial(from, to) == to) // ASCII
            return text.substr(0, std::min(text.size(), max));
        if (isValidUtf8(text)) {
            if (const void* nul = std::memchr(text.data(), 0, text.size()))
                text = text.substr(
                    0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
            return leadingCharacters(text, max);
        }
    }
    // A byte is a character in a code page.
    to = std::min(to, from + max);
    if (masks.nextSpecial(from, to) == to)
        return line.substr(from, to - from);
    char* start = out_;
    decodeCodePage(line, masks, from, to, *tables_[field == 1], out_);
    std::string_view text(start, static_cast<std::size_t>(out_ - start));
    out_ += kSlack;
    return text;
}

CardLine CardLineDecoder::decode(std::string_view line, std::string_view within) {
    // Copying a line and reading it at once also costs a stall on every read: the copy's small
    // stores cannot be forwarded to the wide loads.
    const auto start = reinterpret_cast<std::uintptr_t>(line.data());
    const auto first = reinterpret_cast<std::uintptr_t>(within.data());
    const bool hasSlack = first <= start && start - first + line.size() + kSlack <= within.size();
    if (!hasSlack) {
        if (line_.size() < line.size() + kSlack)
            line_.resize(line.size() + kSlack);
        std::memcpy(line_.data(), line.data(), line.size());
        line = {line_.data(), line.size()};
    }
    LineMasks masks(line);
    // The texts a new card starts with.
    CardLine card{{{}, {}, "-", "-"}};
    out_ = texts_;
    // Six fields, five TABs between them.
    std::size_t tabs[5];
    int found = masks.firstTabs(tabs, 5);
    std::size_t from = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t to = i < found ? tabs[i] : line.size();
        card.texts[i] = fieldText(line, masks, from, to, i);
        if (i == found)
            return card;
        from = to + 1;
    }
    // The level stops at its TAB; the id follows it.
    card.level = decimal(line.substr(from));
    if (found == 5)
        card.id = decimal(line.substr(tabs[4] + 1));
    return card;
}
