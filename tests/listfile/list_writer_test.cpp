#include "listfile/file_io.h"
#include "listfile/list_writer.h"
#include "listfile/text_encoding.h"
#include "listfile_fixture.h"
#include "resources/string_table.h"

#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

using ListWriterTest = ListFileTest;

void addExampleCards() {
    addCard(mainList, "house", "Haus", "L1", "-");
    addCard(mainList, "tree", "Baum", "L1", "plural: trees");
    addCard(knownList, "cat", "Katze", "L2", "-");
    mainList.slot(0)->level = 2;
    knownList.slot(0)->level = 5;
}

TEST_F(ListWriterTest, writesTheExampleFileByteForByte) {
    addExampleCards();
    FileInfo info;
    FileResult result =
        writeListFile(mainList, path("out.zlk"), info, exampleFont(700), exampleFont(400));
    EXPECT_EQ(fileBytes(path("out.zlk")), fileBytes(testData("example.zlk")));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.warningText, 0);
    EXPECT_EQ(info.formatName, "Version 2.0");
    EXPECT_EQ(info.mainCount, 2);
    EXPECT_EQ(info.knownCount, 1);
    EXPECT_EQ(info.fileName, path("out.zlk"));
    EXPECT_EQ(modifiedFlag, 0);
}

TEST_F(ListWriterTest, exampleFileReadAndWrittenAgainIsTheSameBytes) {
    for (const char* name : {"example.zlk", "../../samples/english-german.zlk"}) {
        SCOPED_TRACE(name);
        resetCardStore();
        restoredFonts.clear();
        FileInfo info;
        readListFile(mainList, testData(name).string(), info, recordFonts());
        ASSERT_EQ(restoredFonts.size(), 2u);
        EXPECT_TRUE(
            writeListFile(mainList, path("again.zlk"), info, restoredFonts[0], restoredFonts[1])
                .ok());
        EXPECT_EQ(fileBytes(path("again.zlk")), fileBytes(testData(name)));
    }
}

TEST_F(ListWriterTest, listWithoutKnownCardsEndsWithTheEmptyLine) {
    addCard(mainList, "a", "b", "-", "-");
    std::string bytes = listFileBytes(mainList, knownList, exampleFont(400), exampleFont(400));
    EXPECT_TRUE(bytes.ends_with("MS Sans Serif\r\na\tb\t-\t-\t0\t0\r\n\r\n"));
}

TEST_F(ListWriterTest, refusesOnlyWhenBothListsAreEmpty) {
    FileInfo info;
    modifiedFlag = 1;
    FileResult result =
        writeListFile(mainList, path("none.zlk"), info, exampleFont(700), exampleFont(400));
    EXPECT_EQ(result.error, FileError::NoCards);
    EXPECT_EQ(result.textNumber, 102);
    EXPECT_FALSE(fs::exists(path("none.zlk")));
    EXPECT_FALSE(fs::exists("font_debug_file"));
    EXPECT_EQ(modifiedFlag, 1);

    // A list whose cards have all become known is saved, not lost.
    addCard(knownList, "cat", "Katze", "L2", "-");
    EXPECT_TRUE(
        writeListFile(mainList, path("known.zlk"), info, exampleFont(700), exampleFont(400)).ok());
    EXPECT_EQ(info.mainCount, 0);
    EXPECT_EQ(info.knownCount, 1);
    EXPECT_TRUE(
        fileBytes(path("known.zlk")).ends_with("MS Sans Serif\r\n\r\ncat\tKatze\tL2\t-\t0\t0\r\n"));
    resetCardStore();
    readListFile(mainList, path("known.zlk"), info, nullptr);
    EXPECT_EQ(countCards(mainList), 0);
    EXPECT_EQ(countCards(knownList), 1);
}

TEST_F(ListWriterTest, lineBreaksAndTabsInTextsAreWrittenAsBlanks) {
    addCard(mainList, "a\tb", "c\r\nd", "e\nf", "g\rh");
    FontDescription face = exampleFont(400);
    assignText(face.faceName, "Odd\tFace\nName");
    std::string bytes = listFileBytes(mainList, knownList, face, face);
    EXPECT_NE(bytes.find("\r\nOdd Face Name\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\r\na b\tc  d\te f\tg h\t0\t0\r\n\r\n"));
}

TEST_F(ListWriterTest, fontBlockHoldsEveryFieldOfItsOwnFont) {
    FontDescription q{-16, 7, 900, 450, 700, 1, 1, 1, 238, 3, 2, 1, 34, {}};
    assignText(q.faceName, "A face name with blanks and 31+ bytes");
    FontDescription a{12, 0, 0, 0, 400, 0, 0, 0, 255, 0, 0, 0, 0, {}};
    assignText(a.faceName, "Courier New");
    addCard(mainList, "x", "y", "-", "-");
    std::string bytes = listFileBytes(mainList, knownList, q, a);
    std::string expectedFonts =
        "-16\r\n7\r\n900\r\n450\r\n700\r\n1\r\n1\r\n1\r\n238\r\n3\r\n2\r\n1\r\n"
        "34\r\nA face name with blanks and 31+\r\n"
        "12\r\n0\r\n0\r\n0\r\n400\r\n0\r\n0\r\n0\r\n255\r\n0\r\n0\r\n0\r\n"
        "0\r\nCourier New\r\nx\t";
    EXPECT_NE(bytes.find("karte_id\r\n" + expectedFonts), std::string::npos);
}

// Texts longer than eight bytes, with TAB, CR, LF and letters beyond ASCII at either side of
// every eighth byte.
TEST_F(ListWriterTest, textsAreEncodedWithLineBreaksAsBlanks) {
    struct Case {
        std::string_view text;
        TextEncoding encoding;
        std::string_view bytes; // empty: the text does not fit the encoding
    };
    const Case cases[] = {
        {"1234567\t9abcdef\rghijklmn\n", TextEncoding::cp1252, "1234567 9abcdef ghijklmn "},
        {"1234567\t9abcdef\rghijklmn\n", TextEncoding::utf8, "1234567 9abcdef ghijklmn "},
        {"abcdefgÄbcdefghÖ über €5 – ok", TextEncoding::cp1252,
         "abcdefg\xC4"
         "bcdefgh\xD6 \xFC"
         "ber \x80"
         "5 \x96 ok"},
        {"abcdefgÄbcdefghÖ\tüber", TextEncoding::utf8, "abcdefgÄbcdefghÖ über"},
        {"Häuser und Bäume", TextEncoding::cp1250, "H\xE4user und B\xE4ume"},
        {"ordinary words, λόγος", TextEncoding::cp1252, ""},
        {"слово и дом, Ёж", TextEncoding::cp1251,
         "\xF1\xEB\xEE\xE2\xEE \xE8 \xE4\xEE\xEC, \xA8\xE6"},
        {"слово и дом, Ёж", TextEncoding::cp1252, ""},
        {"ä\x80 broken", TextEncoding::cp1252, ""},
    };
    for (const Case& c : cases) {
        std::string out = "x";
        bool fits = appendEncoded(out, c.text, c.encoding);
        EXPECT_EQ(fits, !c.bytes.empty()) << c.text;
        if (fits) {
            EXPECT_EQ(out, "x" + std::string(c.bytes)) << c.text;
        }
    }
}

// The four texts encoded at once, sixteen bytes at a time, give what they give one by one with a
// TAB after each, in a code page and in UTF-8: random texts of ASCII, blanks to be, letters of
// one and two code pages, across every sixteenth byte, and a card of four empty texts.
TEST_F(ListWriterTest, textsEncodedAtOnceAreTheTextsEncodedOneByOne) {
    const std::string_view pieces[] = {
        "a", "0123456789abcde", "\t", "\r\n", "Ä", "€", "ü", "Ж", "λ", "–", " ", "xyz"};
    std::mt19937 random(7);
    auto text = [&] {
        std::string made;
        for (int n = static_cast<int>(random() % 8); n > 0; --n)
            made += pieces[random() % std::size(pieces)];
        return made;
    };
    addCard(mainList, "", "", "", "");
    for (int i = 0; i < 400; ++i)
        addCard(mainList, text(), text(), text(), text());
    for (TextEncoding encoding : {TextEncoding::cp1252, TextEncoding::cp1251, TextEncoding::utf8})
        mainList.forEach([&](const Card* card) {
            std::string oneByOne;
            bool fits = true;
            for (std::string_view field :
                 {card->question(), card->answer(), card->lesson(), card->additionalInfo()}) {
                fits = fits && appendEncoded(oneByOne, field, encoding);
                oneByOne += '\t';
            }
            std::string atOnce(card->texts.all().size() + 16, '\0');
            char* end = encodeTexts(atOnce.data(), card->texts.all(), encoding);
            ASSERT_EQ(end != nullptr, fits) << card->question();
            if (end) {
                atOnce.resize(static_cast<std::size_t>(end - atOnce.data()));
                EXPECT_EQ(atOnce, oneByOne);
            }
        });
}

// A save writes the file in pieces; a letter beyond the code page in the last card, long after
// the first piece went to the disk, still makes the whole file UTF-8.
TEST_F(ListWriterTest, aFileOfManyPiecesIsTheSameBytesAsMadeInMemory) {
    for (int i = 0; i < 30000; ++i)
        addCard(mainList, "Straße der Bäume " + std::to_string(i), "street of the trees", "L1",
                "a note long enough for seventy bytes");
    putFile(path("list.zlk"), std::string(5u << 20, 'x'));
    for (const char* last : {"ordinary", "λόγος"}) {
        SCOPED_TRACE(last);
        assignText(*mainList.slot(mainList.size() - 1), CardField::answer, last);
        FileInfo info;
        ASSERT_TRUE(
            writeListFile(mainList, path("list.zlk"), info, exampleFont(700), exampleFont(400))
                .ok());
        const std::string bytes =
            listFileBytes(mainList, knownList, exampleFont(700), exampleFont(400));
        EXPECT_GT(bytes.size(), 2u << 20);
        EXPECT_EQ(bytes.find("#Format Version 2.0, UTF-8") != std::string::npos,
                  std::string_view(last) != "ordinary");
        EXPECT_TRUE(fileBytes(path("list.zlk")) == bytes);
    }
}

TEST_F(ListWriterTest, aSinkWritesCopiesStartsAgainAndKeepsItsFirstFailure) {
    putFile(path("source"), std::string(3u << 20, 'c')); // more than one piece of a copy
    int fd = ::open(path("sink").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    FileSink sink(fd);
    EXPECT_TRUE(sink.write("a first try, longer than the second"));
    EXPECT_TRUE(sink.restart());
    EXPECT_TRUE(sink.write("ab"));
    EXPECT_TRUE(sink.copyFrom(path("source")));
    EXPECT_FALSE(sink.copyFrom(path("missing")));
    EXPECT_EQ(sink.error(), ENOENT);
    EXPECT_FALSE(sink.write("c"));
    ::close(fd);
    EXPECT_EQ(fileBytes(path("sink")), "ab" + std::string(3u << 20, 'c'));

    int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    FileSink onFullDisk(full);
    EXPECT_FALSE(onFullDisk.write("x"));
    EXPECT_FALSE(onFullDisk.copyFrom(path("source")));
    EXPECT_EQ(onFullDisk.error(), ENOSPC);
    ::close(full);
}

TEST_F(ListWriterTest, failedWritesKeepTheOldFile) {
    addExampleCards();
    FileInfo info;
    modifiedFlag = 1;
    putFile(path("plain"), "");
    fs::create_directories(path("folder.zlk"));
    for (const std::string& target :
         {path("plain/list.zlk"), path("missing/list.zlk"), path("folder.zlk"), std::string()}) {
        FileResult result =
            writeListFile(mainList, target, info, exampleFont(700), exampleFont(400));
        EXPECT_EQ(result.error, FileError::CannotWrite) << target;
        EXPECT_EQ(result.textNumber, 131);
        EXPECT_EQ(result.path, target);
    }
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_TRUE(fs::is_directory(path("folder.zlk")));
    EXPECT_TRUE(fs::is_empty(path("folder.zlk")));
}

TEST_F(ListWriterTest, unwritableFolderKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    addExampleCards();
    fs::create_directory(path("locked"));
    putFile(path("locked/list.zlk"), "old contents");
    fs::permissions(path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    FileInfo info;
    FileResult result =
        writeListFile(mainList, path("locked/list.zlk"), info, exampleFont(700), exampleFont(400));
    fs::permissions(path("locked"), fs::perms::owner_all);
    EXPECT_EQ(result.error, FileError::CannotWrite);
    EXPECT_EQ(fileBytes(path("locked/list.zlk")), "old contents");
    EXPECT_FALSE(fs::exists("font_debug_file"));
}

TEST_F(ListWriterTest, saveReplacesAnOlderLongerFile) {
    putFile(path("list.zlk"), std::string(10000, 'x'));
    addCard(mainList, "a", "b", "-", "-");
    FileInfo info;
    writeListFile(mainList, path("list.zlk"), info, exampleFont(700), exampleFont(400));
    EXPECT_EQ(fileBytes(path("list.zlk")),
              listFileBytes(mainList, knownList, exampleFont(700), exampleFont(400)));
}

} // namespace
