#include "listfile/file_io.h"
#include "listfile/list_writer.h"
#include "listfile_fixture.h"
#include "resources/string_table.h"

namespace {

using ListReaderTest = ListFileTest;

const std::string kHead20 = "\x80#File fuer Zelkprogramm\r\n#Format Version 2.0, PC\r\n"
                            "frage\tantwort\tstufe\tlektion\tkarte_id\r\n";
const std::string kHead102 = "\x7F#File fuer Zelkprogramm\r\n#Format Version 1.0.2, PC\r\n"
                             "frage\tantwort\tstufe\tlektion\tkarte_id\r\n";

std::string fontLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

// A large list is read a window at a time; head, fonts and cards come out the same.
TEST_F(ListReaderTest, readsTheExampleFileInPieces) {
    std::string bytes;
    ASSERT_TRUE(readWholeFile(testData("example.zlk").string(), bytes).ok());
    FileInfo info;
    ASSERT_TRUE(readListBytes(mainList, bytes, info, recordFonts()).ok());
    const auto whole = std::pair(cardsOf(mainList), cardsOf(knownList));
    const auto wholeFonts = restoredFonts;
    for (std::size_t piece : {1, 2, 3, 7, 64}) {
        SCOPED_TRACE(piece);
        resetCardStore();
        restoredFonts.clear();
        EXPECT_TRUE(readListInPieces(mainList, bytes, piece, info, recordFonts()).ok());
        EXPECT_EQ(std::pair(cardsOf(mainList), cardsOf(knownList)), whole);
        EXPECT_EQ(restoredFonts, wholeFonts);
        EXPECT_EQ(info.formatName, "zelk v 2.0");
    }
}

TEST_F(ListReaderTest, readsTheExampleFile) {
    nextCardId = 10;
    FileInfo info;
    EXPECT_TRUE(readListFile(mainList, testData("example.zlk").string(), info, recordFonts()).ok());
    EXPECT_EQ(info.formatName, "zelk v 2.0");
    EXPECT_EQ(info.mainCount, 2);
    EXPECT_EQ(info.knownCount, 1);
    EXPECT_EQ(info.fileName, testData("example.zlk").string());
    EXPECT_EQ(cardsOf(mainList),
              (std::vector<CardText>{{"house", "Haus", "L1", "-", 2, 0},
                                     {"tree", "Baum", "L1", "plural: trees", 0, 1}}));
    EXPECT_EQ(cardsOf(knownList), (std::vector<CardText>{{"cat", "Katze", "L2", "-", 5, 2}}));
    EXPECT_EQ(nextCardId, 13);
    EXPECT_EQ(modifiedFlag, 0);
    EXPECT_EQ(restoredFonts, (std::vector<FontDescription>{exampleFont(700), exampleFont(400)}));
    Card* house = mainList.slot(0);
    EXPECT_EQ(house->wrongCount + house->rightCount + house->askCount + house->lastAnswerTurn +
                  house->lastWrongTurn,
              0);
}

TEST_F(ListReaderTest, version102HasNoFontsAndLeavesThemAlone) {
    FileInfo info =
        readBytes(kHead102 + "house\tHaus\tL1\t-\t2\t0\r\n\r\ncat\tKatze\tL2\t-\t5\t2\r\n");
    EXPECT_TRUE(lastResult.ok());
    EXPECT_EQ(info.formatName, "zelk v 1.0.2");
    EXPECT_EQ(cardsOf(mainList), (std::vector<CardText>{{"house", "Haus", "L1", "-", 2, 0}}));
    EXPECT_EQ(cardsOf(knownList), (std::vector<CardText>{{"cat", "Katze", "L2", "-", 5, 2}}));
    EXPECT_TRUE(restoredFonts.empty());
}

TEST_F(ListReaderTest, oldFormatIsRefusedInGerman) {
    modifiedFlag = 1;
    FileInfo info;
    info.formatName = "before";
    info = readBytes("~house\tHaus\r\n");
    EXPECT_EQ(lastResult.error, FileError::OldFormat);
    EXPECT_EQ(lastResult.textNumber, 123);
    EXPECT_TRUE(std::string(strings::text(123)).starts_with("Du benutzt ein altes"));
    EXPECT_EQ(countCards(mainList), 0);
    EXPECT_EQ(modifiedFlag, 1);
}

TEST_F(ListReaderTest, fileWithANulByteIsNotAListAndChangesNothing) {
    using namespace std::string_literals;
    for (const std::string& bytes :
         {"\0"s, "house\tHaus\r\n\0\r\n"s, "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s}) {
        modifiedFlag = 1;
        readBytes(bytes);
        EXPECT_EQ(lastResult.error, FileError::NotAList);
        EXPECT_EQ(lastResult.textNumber, 601);
        EXPECT_EQ(countCards(mainList), 0);
        EXPECT_EQ(nextCardId, 0);
        EXPECT_EQ(modifiedFlag, 1);
    }
    readBytes("\x80#File fuer Zelkprogramm\0\r\n"); // a list's head is not judged as text
    EXPECT_TRUE(lastResult.ok());
}

TEST_F(ListReaderTest, fileThatCannotBeOpenedFailsQuietly) {
    FileInfo info;
    for (const std::string& unreadable : {path("absent.zlk"), path("")}) { // "" is a folder
        FileResult result = readListFile(mainList, unreadable, info, recordFonts());
        EXPECT_EQ(result.error, FileError::CannotRead);
        EXPECT_EQ(result.textNumber, 111);
        EXPECT_EQ(result.path, unreadable);
    }
    EXPECT_EQ(countCards(mainList), 0);
}

TEST_F(ListReaderTest, fontBlocksTakeNumbersBytesAndFaceNames) {
    std::string question =
        fontLines({"  -16", "+7", "-0", "2147483648", "700junk", "257", "-1", "1", "238", "3", "2",
                   "1", "34", std::string(40, 'F') + "\tafter 49 bytes"});
    std::string answer = fontLines(
        {"12", "", "x", "0", "400", "0", "0", "0", "0", "0", "0", "0", "0", "Face with blanks"});
    FileInfo info = readBytes(kHead20 + question + answer + "a\tb\t-\t-\t0\t0\r\n");
    ASSERT_EQ(restoredFonts.size(), 2u);
    FontDescription q{-16, 7, 0, INT32_MAX, 700, 1, 255, 1, 238, 3, 2, 1, 34, {}};
    assignText(q.faceName, std::string(31, 'F'));
    FontDescription a{12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, {}};
    assignText(a.faceName, "Face with blanks");
    EXPECT_EQ(restoredFonts[0], q);
    EXPECT_EQ(restoredFonts[1], a);
    EXPECT_EQ(info.mainCount, 1);
}

TEST_F(ListReaderTest, overlongFontLineDoesNotShiftTheBlock) {
    std::string question = fontLines({std::string(60, '1'), "5", "0", "0", "400", "0", "0", "0",
                                      "0", "0", "0", "0", "0", "Arial"});
    readBytes(kHead20 + question + question + "a\tb\t-\t-\t0\t0\r\n");
    ASSERT_EQ(restoredFonts.size(), 2u);
    EXPECT_EQ(restoredFonts[0].height, INT32_MAX);
    EXPECT_EQ(restoredFonts[0].width, 5);
    EXPECT_STREQ(restoredFonts[1].faceName, "Arial");
    EXPECT_EQ(cardsOf(mainList), (std::vector<CardText>{{"a", "b", "-", "-", 0, 0}}));
}

TEST_F(ListReaderTest, bareLineFeedsReadLikeCrLf) {
    std::string crlf = fileBytes(testData("example.zlk"));
    std::string lf;
    for (char c : crlf)
        if (c != '\r')
            lf += c;
    readBytes(lf);
    auto mainFromLf = cardsOf(mainList);
    auto knownFromLf = cardsOf(knownList);
    auto fontsFromLf = restoredFonts;
    resetCardStore();
    restoredFonts.clear();
    readBytes(crlf);
    EXPECT_EQ(mainFromLf, cardsOf(mainList));
    EXPECT_EQ(knownFromLf, cardsOf(knownList));
    EXPECT_EQ(fontsFromLf, restoredFonts);
}

TEST_F(ListReaderTest, cutShortFilesKeepWhatWasRead) {
    const std::string whole = fileBytes(testData("example.zlk"));
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        resetCardStore();
        restoredFonts.clear();
        FileInfo info = readBytes(whole.substr(0, length));
        EXPECT_TRUE(lastResult.ok());
        int cards = countCards(mainList) + countCards(knownList);
        EXPECT_LE(cards, 3);
        EXPECT_EQ(nextCardId, cards);
        EXPECT_EQ(restoredFonts.size(), length == 0 ? 0u : 2u);
        EXPECT_EQ(modifiedFlag, 0);
    }
    // Cut in the middle of the known card: the two main cards stand, the known card has its
    // question so far.
    resetCardStore();
    readBytes(whole.substr(0, whole.size() - 9));
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(cardsOf(knownList), (std::vector<CardText>{{"cat", "Katze", "L", "-", 0, 0}}));
}

TEST_F(ListReaderTest, readerAppendsToTheListsAsTheyStand) {
    addCard(mainList, "old", "alt", "-", "-");
    readBytes(kHead102 + "new\tneu\t-\t-\t0\t40\r\n");
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(nextCardId, 2);
}

TEST_F(ListReaderTest, saveThenOpenGivesTheSameCards) {
    // Windows-1252 bytes: umlauts, sharp s, accents, the euro sign, typographic dashes.
    addCard(mainList,
            "M\xE4"
            "dchen",
            "girl; maid", "Familie",
            "das M\xE4"
            "dchen, die M\xE4"
            "dchen");
    addCard(mainList,
            "Stra\xDF"
            "e",
            "street", "-", "-");
    addCard(mainList, "caf\xE9", "Caf\xE9", "Reisen", "-");
    addCard(mainList, "no lesson", "keine Lektion", "", ""); // entered with empty fields
    addCard(knownList, "\x9Cuvre",
            "Werk \x96 \x8C"
            "uvre",
            "L9", "\x80 5");
    addCard(knownList, std::string(100, 'x'), std::string(100, '\xE9'), "1234567890",
            std::string(100, 'i'));
    for (const auto& [question, answer] :
         std::vector<std::pair<std::string, std::string>>{{"\xE4pfel", "apples"}, {"\xDF", "sz"}})
        addCard(mainList, question, answer, "-", "-");
    mainList.slot(1)->level = 3;
    knownList.slot(0)->level = 7;
    knownList.slot(1)->id = -5;
    mainList.slot(0)->id = 100000;
    FontDescription q = exampleFont(700);
    q.height = -16;
    assignText(q.faceName, "A face name with 31 bytes total");
    auto savedMain = cardsOf(mainList);
    auto savedKnown = cardsOf(knownList);

    FileInfo info;
    ASSERT_TRUE(writeListFile(mainList, path("round.zlk"), info, q, exampleFont(400)).ok());
    resetCardStore();
    EXPECT_TRUE(readListFile(mainList, path("round.zlk"), info, recordFonts()).ok());
    EXPECT_EQ(cardsOf(mainList), savedMain);
    EXPECT_EQ(cardsOf(knownList), savedKnown);
    EXPECT_EQ(restoredFonts, (std::vector<FontDescription>{q, exampleFont(400)}));
    EXPECT_EQ(modifiedFlag, 0);
}

TEST_F(ListReaderTest, listWithHolesIsSavedWithoutThem) {
    for (const char* q : {"a", "b", "c", "d"})
        addCard(mainList, q, "x", "-", "-");
    Card* removed = findCardById(mainList, 1);
    removeCardById(mainList, 1);
    retireCard(removed); // freed with the list
    FileInfo info;
    writeListFile(mainList, path("holes.zlk"), info, exampleFont(700), exampleFont(400));
    EXPECT_EQ(info.mainCount, 3);
    resetCardStore();
    readListFile(mainList, path("holes.zlk"), info, nullptr);
    EXPECT_EQ(cardsOf(mainList), (std::vector<CardText>{{"a", "x", "-", "-", 0, 0},
                                                        {"c", "x", "-", "-", 0, 2},
                                                        {"d", "x", "-", "-", 0, 3}}));
}

} // namespace
