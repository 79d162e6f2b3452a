#include "listfile/font_log.h"
#include "listfile/list_writer.h"
#include "listfile_fixture.h"
#include "resources/string_table.h"

namespace {

using FontLogTest = ListFileTest;

TEST_F(FontLogTest, entryHasItsTwentyLines) {
    FontDescription font{-16, 2, 3, 4, 700, 1, 0, 1, 238, 3, 2, 1, 34, {}};
    assignText(font.faceName, "MS Sans Serif");
    appendFontLogEntry(font, true, "/home/u/list.zlk");
    EXPECT_EQ(fileBytes("font_debug_file"),
              "----------------------------------------------------------\n"
              "Zelkora Font Debug File\tEntry  1 since startup\n"
              "FILE:\t/home/u/list.zlk\n"
              "QUESTION\tCLOSE\n"
              "DATE:\t3\t14\t9\t5\t7\n"
              "-16\n2\n3\n4\n700\n1\n0\n1\n238\n3\n2\n1\n34\n"
              "MS Sans Serif\n"
              "STRLEN13\n");
    EXPECT_TRUE(fontLogEntry(font, false, "x", 12, {12, 31, 23, 59, 58})
                    .starts_with(std::string(58, '-') +
                                 "\nZelkora Font Debug File\tEntry  12 since startup\nFILE:\tx\n"
                                 "ANSWER\tCLOSE\nDATE:\t12\t31\t23\t59\t58\n"));
}

TEST_F(FontLogTest, twoSavesAppendFourEntriesQuestionFirst) {
    putFile("font_debug_file", "kept from before\n");
    addCard(mainList, "a", "b", "-", "-");
    FontDescription question = exampleFont(700);
    FontDescription answer = exampleFont(400);
    assignText(answer.faceName, "Arial");
    FileInfo info;
    writeListFile(mainList, path("one.zlk"), info, question, answer);
    writeListFile(mainList, path("two.zlk"), info, question, answer);
    LocalTime t{3, 14, 9, 5, 7};
    std::string expected = "kept from before\n" +
                           fontLogEntry(question, true, path("one.zlk"), 1, t) +
                           fontLogEntry(answer, false, path("one.zlk"), 2, t) +
                           fontLogEntry(question, true, path("two.zlk"), 3, t) +
                           fontLogEntry(answer, false, path("two.zlk"), 4, t);
    EXPECT_EQ(fileBytes("font_debug_file"), expected);
    EXPECT_NE(expected.find("Entry  4 since startup\nFILE:\t" + path("two.zlk") + "\nANSWER\t"),
              std::string::npos);
    EXPECT_NE(expected.find("\nArial\nSTRLEN5\n"), std::string::npos);
}

TEST_F(FontLogTest, logThatCannotBeOpenedIsReportedAndTheSaveGoesOn) {
    fs::create_directory("font_debug_file");
    addCard(mainList, "a", "b", "-", "-");
    FileInfo info;
    FileResult result =
        writeListFile(mainList, path("list.zlk"), info, exampleFont(700), exampleFont(400));
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(fs::exists(path("list.zlk")));
    EXPECT_EQ(result.warningText, 600); // one warning per save, not one per font
    EXPECT_TRUE(std::string(strings::text(600)).starts_with("The font debug file"));

    // No entry was written, so the next one is still number 1.
    fs::remove("font_debug_file");
    appendFontLogEntry(exampleFont(400), false, "p");
    EXPECT_NE(fileBytes("font_debug_file").find("Entry  1 since"), std::string::npos);
}

} // namespace
