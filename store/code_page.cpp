#include "store/code_page.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using HighHalf = std::array<char16_t, 128>;

constexpr HighHalf kHighHalves[kCodePageCount] = {
#include "store/code_page_tables.inc"
};

// A code page's upper half ordered by character, for the way back from a character to its byte.
struct ByteOfCharacter {
    char16_t character;
    uint8_t byte;
};
using ReverseHalf = std::array<ByteOfCharacter, 128>;

constexpr std::array<ReverseHalf, kCodePageCount> reverseHalves() {
    std::array<ReverseHalf, kCodePageCount> halves{};
    for (int page = 0; page < kCodePageCount; ++page) {
        for (int i = 0; i < 128; ++i)
            halves[page][i] = {kHighHalves[page][i], static_cast<uint8_t>(0x80 + i)};
        std::sort(halves[page].begin(), halves[page].end(),
                  [](ByteOfCharacter a, ByteOfCharacter b) { return a.character < b.character; });
    }
    return halves;
}

constexpr std::array<ReverseHalf, kCodePageCount> kReverseHalves = reverseHalves();

constexpr std::pair<uint8_t, CodePage> kCharSets[] = {
    {238, CodePage::cp1250}, {204, CodePage::cp1251}, {161, CodePage::cp1253},
    {162, CodePage::cp1254}, {177, CodePage::cp1255}, {178, CodePage::cp1256},
    {186, CodePage::cp1257}, {163, CodePage::cp1258}};

int indexOf(CodePage page) {
    return static_cast<int>(page);
}

} // namespace

char32_t characterOf(CodePage page, unsigned char byte) {
    return byte < 0x80 ? byte : kHighHalves[indexOf(page)][byte - 0x80u];
}

int byteOf(CodePage page, char32_t c) {
    // ASCII, and the Latin-1 letters that keep their value (all of them in Windows-1252).
    if (c < 0x80 || (c < 0x100 && characterOf(page, static_cast<unsigned char>(c)) == c))
        return static_cast<int>(c);
    const ReverseHalf& half = kReverseHalves[indexOf(page)];
    auto found = std::lower_bound(half.begin(), half.end(), c, [](ByteOfCharacter e, char32_t key) {
        return e.character < key;
    });
    return found != half.end() && found->character == c ? found->byte : -1;
}

CodePage codePageOfCharSet(uint8_t charSet) {
    for (auto [set, page] : kCharSets)
        if (set == charSet)
            return page;
    return CodePage::cp1252;
}
