#include "listfile/file_io.h"
#include "listfile/text_export.h"
#include "listfile_fixture.h"
#include "resources/string_table.h"

namespace {

using TextExportTest = ListFileTest;

void addTwoAndOneKnown() {
    addCard(mainList, "house", "Haus, Heim", "L1", "-");
    addCard(mainList, "tree", "Baum", "L1", "-");
    addCard(knownList, "cat", "Katze", "L2", "-");
}

TEST_F(TextExportTest, exportsMainThenKnownCards) {
    addTwoAndOneKnown();
    modifiedFlag = 1;
    FileInfo info;
    EXPECT_TRUE(exportCards(mainList, path("cards.txt"), info).ok());
    EXPECT_EQ(info.fileName, path("cards.txt"));
    EXPECT_EQ(fileBytes(path("cards.txt")), "house\tHaus, Heim\r\ntree\tBaum\r\ncat\tKatze\r\n");
    EXPECT_TRUE(exportQuestions(mainList, path("questions.txt"), info).ok());
    EXPECT_EQ(info.fileName, path("cards.txt")); // the questions' export names no file
    EXPECT_EQ(fileBytes(path("questions.txt")), "house\r\ntree\r\ncat\r\n");
    EXPECT_TRUE(exportAnswers(mainList, path("answers.txt"), info).ok());
    EXPECT_EQ(info.fileName, path("answers.txt"));
    EXPECT_EQ(fileBytes(path("answers.txt")), "Haus, Heim\r\nBaum\r\nKatze\r\n");
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_FALSE(fs::exists("font_debug_file"));
}

TEST_F(TextExportTest, breaksInsideTextsBecomeBlanks) {
    addCard(mainList, "a\tb", "c\r\nd", "-", "-");
    EXPECT_EQ(exportBytes(mainList, knownList, ExportKind::cards), "a b\tc  d\r\n");
}

TEST_F(TextExportTest, emptyMainListIsRefusedAndNoFileIsTouched) {
    addCard(knownList, "cat", "Katze", "L2", "-");
    putFile(path("old.txt"), "old");
    FileInfo info;
    for (const FileResult& result : {exportCards(mainList, path("old.txt"), info),
                                     exportQuestions(mainList, path("new.txt"), info),
                                     exportAnswers(mainList, path("new.txt"), info)}) {
        EXPECT_EQ(result.error, FileError::NoCards);
        EXPECT_EQ(result.textNumber, 102);
    }
    EXPECT_EQ(fileBytes(path("old.txt")), "old");
    EXPECT_FALSE(fs::exists(path("new.txt")));
}

TEST_F(TextExportTest, failedExportIsAFailedResult) {
    addTwoAndOneKnown();
    fs::create_directory(path("folder.txt"));
    FileInfo info;
    EXPECT_EQ(exportCards(mainList, path("folder.txt"), info).textNumber, 131);
    EXPECT_TRUE(fs::is_empty(path("folder.txt")));
    EXPECT_EQ(exportAnswers(mainList, path("no/such/folder.txt"), info).error,
              FileError::CannotWrite);
}

TEST_F(TextExportTest, exportedCardsOpenAsANewList) {
    addTwoAndOneKnown();
    mainList.slot(0)->level = 4;
    FileInfo info;
    exportCards(mainList, path("cards.txt"), info);
    resetCardStore();
    readListFile(mainList, path("cards.txt"), info, recordFonts());
    EXPECT_EQ(info.formatName, "ASCII-tabsep-file");
    EXPECT_EQ(cardsOf(mainList), (std::vector<CardText>{{"house", "Haus, Heim", "-", "-", 0, 0},
                                                        {"tree", "Baum", "-", "-", 0, 1},
                                                        {"cat", "Katze", "-", "-", 0, 2}}));
}

} // namespace
