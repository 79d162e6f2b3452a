#include "print/list_layout.h"
#include "print/text_wrap.h"
#include "tests/print/recording_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ColumnCase {
    std::string text;
    int width;
    std::vector<std::string> lines;
};

// Draws the text in the list's way on one page and returns the lines drawn, top to bottom.
std::vector<std::string> drawnLines(RecordingDevice& device, const ColumnCase& c, int& extra) {
    device.startDocument("test");
    device.startPage();
    FontDescription font;
    font.height = -21;
    extra = drawWrappedText(100, 350, 120, c.width, c.text, device, font);
    EXPECT_EQ(font.height, 0) << "the font keeps its default height afterwards";
    std::vector<std::string> lines;
    const auto& texts = device.documents.back().pages.back().texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].x, 100);
        EXPECT_EQ(texts[i].y, 350 + 120 * static_cast<int>(i));
        EXPECT_EQ(texts[i].fontHeight, 0);
        lines.push_back(texts[i].text);
    }
    return lines;
}

TEST(DrawWrappedText, breaksColumnsAsTheListLayoutDoes) {
    const std::vector<ColumnCase> cases = {
        {"house", 1900, {"house"}},
        {"aaaaaaaaaa bbbbbbbbbb cccccccccc", 1900, {"aaaaaaaaaa", " bbbbbbbbbb", " cccccccccc"}},
        // A word too wide keeps the character that crosses the edge.
        {std::string(25, 'x'), 1900, {std::string(20, 'x'), std::string(5, 'x')}},
        // A rest exactly as wide as the column is a line of its own, followed by an empty one.
        {"abcde", 500, {"abcde", ""}},
        {"Lesson1234", 200, {"Les", "son", "123", "4"}},
        // A line beginning with its blank cannot break there: the characters take over.
        {"ab cdefghij", 500, {"ab", " cdefg", "hij"}},
        {"A Lesson", 200, {"A", " Le", "sso", "n"}},
        {"", 200, {""}},
        // Other scripts break by characters, an accent staying with its letter.
        {"日本語の文章", 300, {"日本語の", "文章"}},
        {"e\u0301e\u0301e\u0301", 300, {"e\u0301e\u0301", "e\u0301"}},
    };
    for (const ColumnCase& c : cases) {
        RecordingDevice device;
        int extra = -1;
        std::vector<std::string> lines = drawnLines(device, c, extra);
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(extra, static_cast<int>(c.lines.size()) - 1) << c.text;
    }
}

TEST(DrawWrappedText, rightToLeftLinesStartAtTheColumnsRightEdge) {
    RecordingDevice device;
    device.startDocument("test");
    device.startPage();
    FontDescription font;
    drawWrappedText(100, 350, 120, 1900, "كلمة", device, font);
    drawWrappedText(100, 350, 120, 1900, "word", device, font);
    const auto& texts = device.documents.back().pages.back().texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, 100 + 1900 - 4 * device.charWidth);
    EXPECT_EQ(texts[1].x, 100);
}

TEST(DrawWrappedText, anyMixOfBlanksEndsAndKeepsEveryCharacter) {
    // Every text of up to 30 characters of 'a' and blanks in a narrow column ends, and the
    // lines joined give the text back.
    RecordingDevice device;
    device.charWidth = 70;
    for (int bits = 0; bits < (1 << 12); bits += 7) {
        std::string text;
        for (int i = 0; i < 30; ++i)
            text += (bits >> (i % 12)) & 1 ? ' ' : 'a';
        std::string joined;
        for (std::string_view line : wrapColumnText(device, text, 200))
            joined += line;
        EXPECT_EQ(joined, text);
    }
}

struct CardCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(WrapCardText, keepsWholeWordsAndCutsOnlyWordsTooWide) {
    // Limit 1000 = ten characters.
    const std::vector<CardCase> cases = {
        {"abcdefghij", {"abcdefghij"}},
        {"aaaa bbbb cccc", {"aaaa bbbb", "cccc"}},
        {"aaaaaaaa bb c", {"aaaaaaaa", "bb", "c"}},
        {"aaaa bbbb cccc dddd eeee", {"aaaa bbbb", "cccc dddd", "eeee"}},
        {std::string(25, 'w'), {std::string(10, 'w'), std::string(10, 'w'), std::string(5, 'w')}},
        {"ab abcdefghijklm cd", {"ab", "abcdefghij", "klm", "cd"}},
        {"日本語日本語日本語日本語", {"日本語日本語日本語日", "本語"}},
        {"😀😀😀😀😀😀😀😀😀😀😀👍🏽", {"😀😀😀😀😀😀😀😀😀😀", "😀👍🏽"}},
    };
    RecordingDevice device;
    for (const CardCase& c : cases) {
        std::vector<std::string> lines;
        for (std::string_view line : wrapCardText(device, c.text, 1000))
            lines.emplace_back(line);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

} // namespace
