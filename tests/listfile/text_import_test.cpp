#include "listfile/byte_reader.h"
#include "listfile_fixture.h"

namespace {

using TextImportTest = ListFileTest;

std::vector<CardText> imported(std::vector<std::pair<std::string, std::string>> pairs) {
    std::vector<CardText> cards;
    int32_t id = 0;
    for (auto& [q, a] : pairs)
        cards.push_back({q, a, "-", "-", 0, id++});
    return cards;
}

TEST_F(TextImportTest, plainLinesBecomeCards) {
    struct Row {
        const char* name;
        std::string input;
        std::vector<std::pair<std::string, std::string>> cards;
    };
    const std::vector<Row> rows = {
        {"CR LF", "house\tHaus\r\ntree\tBaum\r\n", {{"house", "Haus"}, {"tree", "Baum"}}},
        {"LF, no last line end", "house\tHaus\ntree\tBaum", {{"house", "Haus"}, {"tree", "Baum"}}},
        {"line without TAB joins the next", "house\r\ntree\tBaum\r\n", {{"house\ntree", "Baum"}}},
        {"empty line inside a question is kept",
         "house\r\n\r\ntree\tBaum\r\n",
         {{"house\n\ntree", "Baum"}}},
        {"empty lines are skipped",
         "\r\nhouse\tHaus\r\n\r\n\ntree\tBaum\r\n\r\n",
         {{"house", "Haus"}, {"tree", "Baum"}}},
        {"answer keeps its further TABs", "a\tb\tc\r\n", {{"a", "b\tc"}}},
        {"question without TAB at the end", "lonely", {{"lonely", ""}}},
        {"accented first byte", "\xE4rger\tanger\r\n", {{"ärger", "anger"}}},
        {"first byte 0x81", "\x81x\ty\r\n", {{"\u0081x", "y"}}},
        {"Windows-1252, not UTF-8",
         "\x93q\x94\tStra\xDF"
         "e\r\n",
         {{"“q”", "Straße"}}},
        {"UTF-8", "λόγος\tслово, 言葉\r\n", {{"λόγος", "слово, 言葉"}}},
        {"UTF-8 with its mark dropped", "\xEF\xBB\xBFكلمة\tword\r\n", {{"كلمة", "word"}}},
        {"99 characters of two bytes", repeat("ä", 150) + "\tx\r\n", {{repeat("ä", 99), "x"}}},
        {"overlong fields keep 99 bytes",
         std::string(150, 'q') + "\t" + std::string(150, 'a') + "\r\nnext\tnaechste\r\n",
         {{std::string(99, 'q'), std::string(99, 'a')}, {"next", "naechste"}}},
        {"overlong question across lines",
         std::string(120, 'q') + "\r\nmore\tanswer\r\n",
         {{std::string(99, 'q'), "answer"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        resetCardStore();
        FileInfo info = readBytes(row.input);
        EXPECT_TRUE(lastResult.ok());
        EXPECT_EQ(info.formatName, "ASCII-tabsep-file");
        EXPECT_EQ(info.mainCount, static_cast<int>(row.cards.size()));
        EXPECT_EQ(info.knownCount, 0);
        EXPECT_EQ(cardsOf(mainList), imported(row.cards));
        EXPECT_EQ(countCards(knownList), 0);
        EXPECT_EQ(modifiedFlag, 0);
        EXPECT_TRUE(restoredFonts.empty());
    }
}

TEST_F(TextImportTest, emptyFileIsAnEmptyTextList) {
    FileInfo info = readBytes("");
    EXPECT_TRUE(lastResult.ok());
    EXPECT_EQ(info.formatName, "ASCII-tabsep-file");
    EXPECT_EQ(info.mainCount, 0);
    EXPECT_EQ(countCards(mainList), 0);
    EXPECT_EQ(nextCardId, 0);
}

TEST_F(TextImportTest, idsCountOnFromNextCardId) {
    nextCardId = 40;
    ByteReader in("a\tb\r\nc\td\r\n");
    FileInfo info;
    importTextLines(mainList, in, info);
    EXPECT_EQ(info.mainCount, 2);
    EXPECT_EQ(mainList.slot(0)->id, 40);
    EXPECT_EQ(mainList.slot(1)->id, 41);
    EXPECT_EQ(nextCardId, 42);
}

} // namespace
