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

// Each Windows code page with the character set of its fonts: letters and the bytes a list
// written in it holds for them (as Python's codecs give them).
struct CodePageRow {
    uint8_t charSet;
    std::string letters;
    std::string bytes;
};
const CodePageRow kCodePageRows[] = {
    {238, "Łódź, żółw",
     "\xA3\xF3"
     "d\x9F, \xBF\xF3\xB3w"},
    {204, "слово, Ёж", "\xF1\xEB\xEE\xE2\xEE, \xA8\xE6"},
    {161, "λόγος, Ωμέγα", "\xEB\xFC\xE3\xEF\xF2, \xD9\xEC\xDD\xE3\xE1"},
    {162, "ağaç, Işık",
     "a\xF0"
     "a\xE7, I\xFE\xFDk"},
    {177, "מילה, שָׁלוֹם", "\xEE\xE9\xEC\xE4, \xF9\xC8\xD1\xEC\xE5\xC9\xED"},
    {178, "كلمة، پدر", "\xDF\xE1\xE3\xC9\xA1 \x81\xCF\xD1"},
    {186, "ąžuolas, Ķēde",
     "\xE0\xFEuolas, \xCD\xE7"
     "de"},
    {163, "Vi\u00EA\u0323t, \u0111\u01B0\u01A1\u0300ng", "Vi\xEA\xF2t, \xF0\xFD\xF5\xCCng"}};

std::string fontLines(uint8_t charSet, const std::string& face) {
    return "0\r\n0\r\n0\r\n0\r\n400\r\n0\r\n0\r\n0\r\n" + std::to_string(charSet) +
           "\r\n3\r\n2\r\n1\r\n34\r\n" + face + "\r\n";
}

std::string codePageList(uint8_t questionSet, uint8_t answerSet, const std::string& cardLines,
                         const std::string& questionFace = "Arial") {
    return kCp1252Head + "frage\tantwort\tstufe\tlektion\tkarte_id\r\n" +
           fontLines(questionSet, questionFace) + fontLines(answerSet, "Arial") + cardLines +
           "\r\n";
}

// The question font names one code page, the answer font the next: the answer is read in the
// answer font's, the other texts in the question font's, and the list is written back as it was.
TEST_F(UnicodeListTest, listsOfEveryCodePageReadInTheirFontsCodePagesAndWriteBackUnchanged) {
    const std::size_t count = std::size(kCodePageRows);
    for (std::size_t i = 0; i < count; ++i) {
        const CodePageRow& q = kCodePageRows[i];
        const CodePageRow& a = kCodePageRows[(i + 1) % count];
        const std::string bytes = codePageList(
            q.charSet, a.charSet, q.bytes + "\t" + a.bytes + "\tL1\t" + q.bytes + "\t3\t7\r\n");
        resetCardStore();
        restoredFonts.clear();
        readBytes(bytes);
        EXPECT_EQ(cardsOf(mainList),
                  (std::vector<CardText>{{q.letters, a.letters, "L1", q.letters, 3, 7}}))
            << +q.charSet;
        ASSERT_EQ(restoredFonts.size(), 2u);
        EXPECT_EQ(listFileBytes(mainList, knownList, restoredFonts[0], restoredFonts[1]), bytes)
            << +q.charSet;
    }
}

// A face name is in its font's code page. A letter beyond the code page makes the whole list
// UTF-8, the fonts keeping their character set; read back, the head's UTF-8 mark counts, not the
// fonts.
TEST_F(UnicodeListTest, aCyrillicListWithALetterBeyondItsCodePageBecomesUtf8) {
    readBytes(codePageList(204, 204,
                           "\xF1\xEB\xEE\xE2\xEE\tword\t-\t-\t0\t0\r\n"
                           "\xE4\xEE\xEC\thouse\t-\t-\t0\t1\r\n",
                           "\xCA\xF3\xF0\xFC\xE5\xF0"));
    ASSERT_EQ(restoredFonts.size(), 2u);
    EXPECT_STREQ(restoredFonts[0].faceName, "Курьер");
    const FontDescription face = restoredFonts[0];
    assignText(*mainList.slot(1), CardField::answer, "Haus, Häuser");
    const std::vector<CardText> changed = cardsOf(mainList);
    const std::string bytes =
        listFileBytes(mainList, knownList, restoredFonts[0], restoredFonts[1]);
    EXPECT_TRUE(bytes.starts_with(kUtf8Head));
    EXPECT_NE(bytes.find("\r\n204\r\n3\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("слово\tword\t"), std::string::npos);
    resetCardStore();
    restoredFonts.clear();
    readBytes(bytes);
    EXPECT_EQ(cardsOf(mainList), changed);
    ASSERT_EQ(restoredFonts.size(), 2u);
    EXPECT_EQ(restoredFonts[0], face);
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
