#include "listfile/byte_reader.h"
#include "listfile/card_line.h"
#include "listfile/threaded_card_reader.h"
#include "listfile_fixture.h"

#include <climits>
#include <random>

namespace {

using CardLinesTest = ListFileTest;

struct Row {
    const char* name;
    std::string input;
    std::vector<CardText> cards;
};

// The input handed to a reader whole (piece 0) or a few bytes more at each refill.
const std::size_t kPieces[] = {0, 1, 2, 5};
struct Pieces {
    std::string input;
    std::size_t piece;
    std::string window{};
    std::size_t given = 0;

    ByteReader reader() {
        if (piece == 0)
            return ByteReader(input);
        return ByteReader({}, [this](std::string_view unread) {
            window = std::string(unread);
            std::size_t more = std::min(piece, input.size() - given);
            window += input.substr(given, more);
            given += more;
            return std::string_view(window);
        });
    }
};

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST_F(CardLinesTest, cardLinesReadAsTheirFieldsSay) {
    const std::string long101(101, 'q');
    const std::vector<Row> rows = {
        {"full line",
         "house\tHaus\tL1\tplural\t2\t7\r\n",
         {{"house", "Haus", "L1", "plural", 2, 7}}},
        {"bare LF",
         "a\tb\tc\td\t1\t2\nx\ty\tz\tw\t3\t4\n",
         {{"a", "b", "c", "d", 1, 2}, {"x", "y", "z", "w", 3, 4}}},
        {"no line end at the end", "a\tb\t-\t-\t0\t9", {{"a", "b", "-", "-", 0, 9}}},
        {"blanks and signs in numbers",
         "a\tb\t-\t-\t  -3x\t+12 junk\tmore\r\n",
         {{"a", "b", "-", "-", -3, 12}}},
        {"numbers that are none", "a\tb\t-\t-\tzwei\t\r\n", {{"a", "b", "-", "-", 0, 0}}},
        {"numbers beyond 32 bits clamp",
         "a\tb\t-\t-\t99999999999\t-99999999999999999999\r\n",
         {{"a", "b", "-", "-", INT_MAX, INT_MIN}}},
        {"empty lesson and info stay empty", "a\tb\t\t\t1\t1\r\n", {{"a", "b", "", "", 1, 1}}},
        {"line cut after the lesson keeps the info's dash",
         "a\tb\tL1\r\n",
         {{"a", "b", "L1", "-", 0, 0}}},
        {"line cut after the question", "house", {{"house", "", "-", "-", 0, 0}}},
        {"line cut in the lesson", "house\tHaus\tL", {{"house", "Haus", "L", "-", 0, 0}}},
        {"short line does not take the next one",
         "house\tHaus\r\ntree\tBaum\t-\t-\t1\t5\r\n",
         {{"house", "Haus", "-", "-", 0, 0}, {"tree", "Baum", "-", "-", 1, 5}}},
        {"first byte 0xFF is a card", "\xFFq\ta\t-\t-\t0\t1\r\n", {{"ÿq", "a", "-", "-", 0, 1}}},
        {"bare CR is a character", "a\rb\tc\t-\t-\t0\t1\r\n", {{"a\rb", "c", "-", "-", 0, 1}}},
        {"long texts keep their first bytes",
         long101 + "\t" + long101 + "\tLESSON-TOO-LONG\t" + long101 + "\t4\t8\r\n",
         {{std::string(100, 'q'), std::string(100, 'q'), "LESSON-TOO", std::string(100, 'q'), 4,
           8}}},
        {"a NUL ends a text",
         std::string("a\0b\tc\t-\t-\t0\t1\r\n", 15),
         {{"a", "c", "-", "-", 0, 1}}},
        {"long accented texts keep 100 characters",
         std::string(101, '\xE4') + "\t\xDC\t-\t-\t0\t1\r\n",
         {{repeated("ä", 100), "Ü", "-", "-", 0, 1}}},
        {"a TAB on the edge of 64 bytes",
         std::string(63, 'x') + "\t\xE9" + std::string(62, 'y') + "\t-\t-\t1\t2\r\n",
         {{std::string(63, 'x'), "é" + std::string(62, 'y'), "-", "-", 1, 2}}},
        {"duplicate ids stay",
         "a\tb\t-\t-\t0\t3\r\nc\td\t-\t-\t0\t3\r\n",
         {{"a", "b", "-", "-", 0, 3}, {"c", "d", "-", "-", 0, 3}}},
    };
    // Whole, and as a large file is read: in windows that end anywhere, a CR LF split included.
    for (std::size_t piece : kPieces) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + ", pieces of " + std::to_string(piece));
            resetCardStore();
            Pieces pieces{row.input, piece};
            ByteReader in = pieces.reader();
            int count = readCardLines(mainList, in);
            EXPECT_EQ(count, static_cast<int>(row.cards.size()));
            EXPECT_EQ(cardsOf(mainList), row.cards);
            EXPECT_TRUE(in.atEnd());
            EXPECT_EQ(nextCardId, count);
            // The same with the lines decoded in a second thread.
            resetCardStore();
            Pieces again{row.input, piece};
            ByteReader threaded = again.reader();
            PartCounts counts = readCardLinesThreaded(mainList, knownList, threaded, {});
            EXPECT_EQ(counts.main, count);
            EXPECT_EQ(cardsOf(mainList), row.cards);
            EXPECT_EQ(nextCardId, count);
        }
    }
}

TEST_F(CardLinesTest, emptyLineEndsTheListAndIsConsumed) {
    for (std::size_t piece : kPieces) {
        SCOPED_TRACE(piece);
        resetCardStore();
        Pieces pieces{"a\tb\t-\t-\t0\t1\r\n\r\nc\td\t-\t-\t5\t2\n\nignored\n", piece};
        ByteReader in = pieces.reader();
        EXPECT_EQ(readCardLines(mainList, in), 1);
        EXPECT_EQ(readCardLines(knownList, in), 1);
        EXPECT_EQ(in.peek(), 'i');
        EXPECT_EQ(cardsOf(knownList), (std::vector<CardText>{{"c", "d", "-", "-", 5, 2}}));
        resetCardStore();
        Pieces again{pieces.input, piece};
        ByteReader threaded = again.reader();
        PartCounts counts = readCardLinesThreaded(mainList, knownList, threaded, {});
        EXPECT_EQ(std::pair(counts.main, counts.known), std::pair(1, 1));
        EXPECT_EQ(threaded.peek(), 'i');
        EXPECT_EQ(cardsOf(knownList), (std::vector<CardText>{{"c", "d", "-", "-", 5, 2}}));
    }
}

// Many cards travel between the threads in several batches; the parts still end where their
// empty lines are.
TEST_F(CardLinesTest, threadedReadOfManyCardsMatchesTheSerialOne) {
    std::string input;
    for (int part = 0; part < 2; ++part) {
        for (int i = 0; i < 20000; ++i)
            input += "Fr\xE4ge " + std::to_string(i) + "\tAnswer " + std::to_string(i * 7) + "\tL" +
                     std::to_string(i % 13) + "\tinfo\t" + std::to_string(i % 6) + "\t" +
                     std::to_string(i) + "\r\n";
        input += "\r\n";
    }
    ByteReader serial(input);
    readCardLines(mainList, serial);
    readCardLines(knownList, serial);
    const auto expected = std::pair(cardsOf(mainList), cardsOf(knownList));
    resetCardStore();
    ByteReader threaded(input);
    PartCounts counts = readCardLinesThreaded(mainList, knownList, threaded, {});
    EXPECT_EQ(std::pair(counts.main, counts.known), std::pair(20000, 20000));
    EXPECT_EQ(std::pair(cardsOf(mainList), cardsOf(knownList)), expected);
    EXPECT_EQ(nextCardId, 40000);
}

// The masks worked out eight bytes at a time, against a byte-by-byte reading.
// A line read where it stands, with TABs, NULs and upper-half bytes behind it, reads as the same
// line copied alone, in a code page and in UTF-8.
TEST(CardLineDecoder, aLineReadWhereItStandsReadsAsTheLineAlone) {
    const std::string slack = repeated(std::string("\t\xC3\xA4\0\t\xE4", 6), 16);
    const std::string lines[] = {
        "house\tHaus\tL1\tplural\t2\t7",
        "a\tb",
        "h\xC3\xA4user",
        std::string(63, 'x') + "\t\xE9" + std::string(62, 'y') + "\t-\t-\t1\t2",
        std::string(101, '\xE4') + "\t\xDC\t-\t-\t0\t1",
        std::string("a\0b\tc\t-\t-\t0\t1", 13),
        "a\tb\t\t\t1\t1",
    };
    for (TextEncoding encoding : {TextEncoding::cp1252, TextEncoding::utf8}) {
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            CardLineDecoder alone(encoding);
            CardLineDecoder inPlace(encoding);
            const std::string buffer = line + slack;
            CardLine a = alone.decode(line);
            CardLine b = inPlace.decode(std::string_view(buffer).substr(0, line.size()), buffer);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(a.texts[i], b.texts[i]) << "text " << i;
            EXPECT_EQ(a.level, b.level);
            EXPECT_EQ(a.id, b.id);
        }
    }
}

TEST(CardLineMasks, eightBytesAtATimeFindTabsAndSpecialBytes) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', '\t', '\0', '\x80', '\xFF', '\x7F', '\x09' + 1, '\x08'};
    for (int round = 0; round < 200; ++round) {
        char bytes[64];
        for (char& byte : bytes)
            byte = alphabet[random() % sizeof alphabet];
        uint64_t tabs = 0;
        uint64_t special = 0;
        maskWordByWords(bytes, tabs, special);
        for (int i = 0; i < 64; ++i) {
            auto byte = static_cast<unsigned char>(bytes[i]);
            EXPECT_EQ((tabs >> i) & 1, byte == '\t' ? 1u : 0u) << round << ":" << i;
            EXPECT_EQ((special >> i) & 1, byte == 0 || byte >= 0x80 ? 1u : 0u) << round << ":" << i;
        }
    }
}

TEST_F(CardLinesTest, nothingLeftReadsNoCard) {
    ByteReader in("");
    EXPECT_EQ(readCardLines(mainList, in), 0);
    EXPECT_EQ(countCards(mainList), 0);
    EXPECT_EQ(nextCardId, 0);
}

TEST(ParseDecimal, takesTheLeadingNumber) {
    EXPECT_EQ(parseDecimal("42"), 42);
    EXPECT_EQ(parseDecimal("   -7abc"), -7);
    EXPECT_EQ(parseDecimal("+"), 0);
    EXPECT_EQ(parseDecimal("- 5"), 0);
    EXPECT_EQ(parseDecimal("\t5"), 0);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(parseDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(parseDecimal("-2147483648"), INT_MIN);
    EXPECT_EQ(parseDecimal(std::string(5000, '9')), INT_MAX);
}

} // namespace
