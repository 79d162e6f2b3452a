#include "store/card.h"
#include "store/code_page.h"
#include "store/cp1252.h"
#include "store/utf8.h"

#include <gtest/gtest.h>

#include <string>

TEST(Cp1252, highBytesAreTheWindowsRow) {
    // 0x80-0x9F as the Windows-1252 code page lists them; the five unused codes keep their value.
    const std::u32string row = U"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                               U"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                               U"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                               U"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    for (int b = 0x80; b <= 0x9F; ++b)
        EXPECT_EQ(characterOfCp1252(static_cast<unsigned char>(b)), row[b - 0x80u]) << b;
    // The rest is Latin-1.
    EXPECT_EQ(characterOfCp1252(0xE4), U'\u00E4');
    EXPECT_EQ(characterOfCp1252(0xA0), U'\u00A0');
}

// Each code page holds exactly 256 characters, one per byte, and finds the byte of each again.
TEST(CodePages, everyByteSurvivesTheRoundTripAndNoOtherCharacterHasOne) {
    for (int index = 0; index < kCodePageCount; ++index) {
        const auto page = static_cast<CodePage>(index);
        for (int b = 0; b < 256; ++b)
            EXPECT_EQ(byteOf(page, characterOf(page, static_cast<unsigned char>(b))), b) << index;
        int held = 0;
        for (char32_t c = 0; c < 0x110000; ++c) {
            int byte = byteOf(page, c);
            if (byte < 0)
                continue;
            ++held;
            EXPECT_EQ(characterOf(page, static_cast<unsigned char>(byte)), c) << index;
        }
        EXPECT_EQ(held, 256) << index;
    }
}

TEST(CodePages, fontCharacterSetsNameTheirLetters) {
    struct Row {
        uint8_t charSet;
        unsigned char byte;
        char32_t letter;
    };
    const Row rows[] = {{238, 0xA3, U'\u0141'}, {204, 0xC0, U'\u0410'}, {0, 0xDF, U'\u00DF'},
                        {161, 0xE1, U'\u03B1'}, {162, 0xFD, U'\u0131'}, {177, 0xE0, U'\u05D0'},
                        {178, 0xC7, U'\u0627'}, {186, 0xC0, U'\u0104'}, {163, 0xD0, U'\u0110'},
                        {2, 0xDF, U'\u00DF'}}; // symbol and other sets: Windows-1252
    for (const Row& row : rows)
        EXPECT_EQ(characterOf(codePageOfCharSet(row.charSet), row.byte), row.letter)
            << +row.charSet;
}

TEST(Utf8, checksCountsAndCutsWholeCharacters) {
    struct Row {
        std::string text;
        bool valid;
        std::size_t characters; // of a valid text
    };
    const Row rows[] = {{"", true, 0},
                        {"a\xC3\xA4\xE8\xAA\x9E\xF0\x9F\x98\x80", true, 4}, // a ä 語 😀
                        {"\xC0\xAF", false, 0},                             // overlong '/'
                        {"\xED\xA0\x80", false, 0},                         // a surrogate
                        {"\xF4\x90\x80\x80", false, 0},                     // past U+10FFFF
                        {"\xE8\xAA", false, 0},                             // cut short
                        {"\xE4rger", false, 0}};                            // Windows-1252
    for (const Row& row : rows) {
        EXPECT_EQ(isValidUtf8(row.text), row.valid) << row.text;
        if (row.valid) {
            EXPECT_EQ(countCharacters(row.text), row.characters) << row.text;
        }
    }
    const std::string mixed = "a\xC3\xA4\xE8\xAA\x9E\xF0\x9F\x98\x80";
    EXPECT_EQ(leadingCharacters(mixed, 3), "a\xC3\xA4\xE8\xAA\x9E");
    EXPECT_EQ(leadingCharacters(mixed, 9), mixed);
    std::size_t at = 0;
    EXPECT_EQ(nextCodePoint("\xFFx", at), kReplacementCharacter);
    EXPECT_EQ(at, 1u);
}

TEST(Utf8, ordersWindows1252TextsAsTheirBytesDid) {
    // Euro (0x80) before e acute (0xE9) as in the bytes, though its code point is higher; other
    // characters after every Windows-1252 one.
    EXPECT_LT(compareStoredText("\xE2\x82\xAC", "\xC3\xA9"), 0);
    EXPECT_LT(compareStoredText("\xC3\xBF", "\xCE\xB1"), 0); // y diaeresis before alpha
    EXPECT_LT(compareStoredText("ab", "abc"), 0);
    EXPECT_EQ(compareStoredText("\xCE\xB1", "\xCE\xB1"), 0);
    EXPECT_GT(compareStoredText("b", "a\xCE\xB1"), 0);
}

// Every field keeps at most its limit in characters, whatever their width in bytes, and is cut
// only between characters.
TEST(CardText, limitsCountCharactersOfEveryWidth) {
    for (std::string one : {"x", "\xC3\xA4", "\xE8\xAA\x9E", "\xF0\x9F\x98\x80"}) {
        Card card;
        std::string hundred, more;
        for (int i = 0; i < 100; ++i)
            hundred += one;
        more = hundred + one + one;
        assignTexts(card, more, hundred, more, more);
        EXPECT_EQ(card.question(), hundred) << one;
        EXPECT_EQ(card.answer(), hundred) << one;
        EXPECT_EQ(countCharacters(card.lesson()), 10u) << one;
        EXPECT_EQ(card.lesson().size(), 10 * one.size()) << one;
        EXPECT_EQ(card.additionalInfo(), hundred) << one;
        EXPECT_TRUE(cardIsValid(card));
    }
}

TEST(CardText, brokenBytes_becomeReplacementCharacters) {
    Card card;
    assignText(card, CardField::question, std::string_view("\xE4rger\0tail", 10));
    EXPECT_EQ(card.question(), "\xEF\xBF\xBDrger");
    Card copy = card;
    assignText(card, CardField::question, "other");
    EXPECT_EQ(copy.question(), "\xEF\xBF\xBDrger"); // a copy owns its texts
}
