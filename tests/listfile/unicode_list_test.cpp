#include "listfile/list_writer.h"
#include "listfile/text_export.h"
#include "listfile_fixture.h"

namespace {

using UnicodeListTest = ListFileTest;

const std::string kUtf8Head = "\x80#File fuer Zelkprogramm\r\n#Format Version 2.0, UTF-8\r\n";
const std::string kCp1252Head = "\x80#File fuer Zelkprogramm\r\n#Format Version 2.0, PC\r\n";

// One card per script, a face name beyond Windows-1252 too.
TEST_F(UnicodeListTest, listOfEveryScriptIsWrittenMarkedUtf8AndReadsBackEqual) {
    addCard(mainList, "crème brûlée", "Straße, “Ärger”", "Latin", "€ 5");
    addCard(mainList, "λόγος", "слово", "Ελληνικά", "-");
    addCard(mainList, "言葉", "ことば, コトバ", "日本語", "语言");
    addCard(mainList, "كلمة", "מילה", "عربي", "😀 e\u0301");
    addCard(knownList, "한국어", "ไทย", "-", "हिन्दी");
    FontDescription face = exampleFont(400);
    assignText(face.faceName, "Noto Sans 日本");
    FileInfo info;
    ASSERT_TRUE(writeListFile(mainList, path("all.zlk"), info, face, exampleFont(700)).ok());
    const std::string bytes = fileBytes(path("all.zlk"));
    EXPECT_TRUE(bytes.starts_with(kUtf8Head));
    EXPECT_NE(bytes.find("\tStraße, “Ärger”\tLatin\t€ 5\t"), std::string::npos);

    std::vector<CardText> main = cardsOf(mainList), known = cardsOf(knownList);
    resetCardStore();
    info = readBytes(bytes);
    EXPECT_TRUE(lastResult.ok());
    EXPECT_EQ(info.formatName, "zelk v 2.0");
    EXPECT_EQ(cardsOf(mainList), main);
    EXPECT_EQ(cardsOf(knownList), known);
    EXPECT_EQ(restoredFonts, (std::vector<FontDescription>{face, exampleFont(700)}));
}

TEST_F(UnicodeListTest, oneGreekCardMakesTheListUtf8AndDeletingItMakesItWindows1252Again) {
    const fs::path sample = testData("../../samples/english-german.zlk");
    const std::string original = fileBytes(sample);
    FileInfo info;
    readListFile(mainList, sample.string(), info, recordFonts());
    ASSERT_EQ(restoredFonts.size(), 2u);
    Card* card = mainList.slot(3);
    const std::vector<CardText> before = cardsOf(mainList);
    const std::string answer(card->answer());
    assignText(*card, CardField::answer, "λόγος");
    writeListFile(mainList, path("greek.zlk"), info, restoredFonts[0], restoredFonts[1]);
    std::string greek = fileBytes(path("greek.zlk"));
    EXPECT_TRUE(greek.starts_with(kUtf8Head));
    EXPECT_NE(greek.find("\tλόγος\t"), std::string::npos);
    EXPECT_NE(greek.find("Straße"), std::string::npos); // every text now in UTF-8

    // Put back, the list is the sample again, byte for byte.
    assignText(*card, CardField::answer, answer);
    writeListFile(mainList, path("back.zlk"), info, restoredFonts[0], restoredFonts[1]);
    EXPECT_EQ(fileBytes(path("back.zlk")), original);

    assignText(*card, CardField::answer, "λόγος");
    ASSERT_TRUE(removeCardById(mainList, card->id));
    writeListFile(mainList, path("deleted.zlk"), info, restoredFonts[0], restoredFonts[1]);
    std::string deleted = fileBytes(path("deleted.zlk"));
    EXPECT_TRUE(deleted.starts_with(kCp1252Head));
    EXPECT_NE(deleted.find("Stra\xDF"
                           "e"),
              std::string::npos);
    resetCardStore();
    readBytes(deleted);
    std::vector<CardText> expected = before;
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(cardsOf(mainList), expected);
    delete card;
}

TEST_F(UnicodeListTest, exportsAreWindows1252WhenTheyFitElseUtf8WithByteOrderMark) {
    addCard(mainList, "Straße", "street", "-", "-");
    addCard(knownList, "λόγος", "word", "-", "-");
    EXPECT_EQ(exportBytes(mainList, knownList, ExportKind::answers), "street\r\nword\r\n");
    EXPECT_EQ(exportBytes(mainList, knownList, ExportKind::cards),
              "\xEF\xBB\xBFStraße\tstreet\r\nλόγος\tword\r\n");
    EXPECT_EQ(exportBytes(mainList, CardList(), ExportKind::questions), "Stra\xDF"
                                                                        "e\r\n");
}

// A field of a UTF-8 list that is not UTF-8 (edited elsewhere) keeps its bytes as Windows-1252.
TEST_F(UnicodeListTest, brokenUtf8FieldReadsAsWindows1252) {
    std::string bytes = fileBytes(testData("example.zlk"));
    bytes.replace(bytes.find("#Format Version 2.0, PC"), 23, "#Format Version 2.0, UTF-8");
    bytes.replace(bytes.find("Haus"), 4, "H\xE4us");
    readBytes(bytes);
    EXPECT_EQ(mainList.slot(0)->answer(), "Häus");
}

} // namespace
