#include "listfile/csv_reader.h"
#include "listfile/foreign_export.h"
#include "listfile/kvtml_reader.h"
#include "listfile_fixture.h"

namespace {

using ForeignFormatsTest = ListFileTest;

void appendNewCard(CardList& list, const CardText& text) {
    Card* card = makeCard();
    assignTexts(*card, text.question, text.answer, text.lesson, text.additionalInfo);
    card->level = text.level;
    appendCard(list, card);
}

FileInfo readFile(const fs::path& path, FileResult& result) {
    FileInfo info;
    result = readListFile(mainList, path.string(), info, nullptr);
    return info;
}

TEST_F(ForeignFormatsTest, goldenFilesGiveTheirCards) {
    struct Golden {
        const char* file;
        std::vector<CardText> main;
        std::vector<CardText> known;
    };
    const std::vector<Golden> goldens = {
        {"foreign-cards.csv",
         {{"café", "Kaffee", "Lektion 1", "He said \"hi\"", 3, 0},
          {"two\nlines", "zwei Zeilen", "Lektion 1", "-", 0, 1},
          {"naïve", "naiv; arglos", "Grammatik/", "", 12, 2}},
         {}},
        {"foreign-cards.kvtml",
         {{"le café", "der Kaffee", "Küche", "\"noir\" = schwarz", 3, 0},
          {"deux\nlignes", "zwei & Zeilen", "Zeilen", "-", 0, 1},
          {"œuvre", "Werk", "-", "-", 0, 3}},
         {{"naïve", "naiv", "Küche/Getr", "-", 7, 2}}},
        // Written by kwordquiz from a tab-separated file: every entry in its one lesson.
        {"kwordquiz-cards.kvtml",
         {{"été œuvre n°0", "schon Größe 0 äöüß", "Vocabulary", "-", 0, 0},
          {"élève garçon n°1", "Schwester Größe 1 äöüß", "Vocabulary", "-", 0, 1},
          {"naïve noël n°2", "Herz Größe 2 äöüß", "Vocabulary", "-", 0, 2},
          {"élève Ça n°3", "Krankenhaus Größe 3 äöüß", "Vocabulary", "-", 0, 3},
          {"élève garçon n°4", "wo Größe 4 äöüß", "Vocabulary", "-", 0, 4},
          {"où garçon n°5", "Schloss Größe 5 äöüß", "Vocabulary", "-", 0, 5},
          {"garçon sœur n°6", "wo Größe 6 äöüß", "Vocabulary", "-", 0, 6},
          {"élève cœur n°7", "naiv Größe 7 äöüß", "Vocabulary", "-", 0, 7}},
         {}},
    };
    for (const Golden& golden : goldens) {
        SCOPED_TRACE(golden.file);
        resetCardStore();
        FileResult result;
        FileInfo info = readFile(testData(golden.file), result);
        ASSERT_TRUE(result.ok());
        EXPECT_TRUE(isImportedFormat(info.formatName));
        EXPECT_EQ(cardsOf(mainList), golden.main);
        EXPECT_EQ(cardsOf(knownList), golden.known);
        EXPECT_EQ(info.mainCount + info.knownCount,
                  static_cast<int>(golden.main.size() + golden.known.size()));
        EXPECT_EQ(modifiedFlag, 0);
    }
}

TEST_F(ForeignFormatsTest, tablesOfEverySeparatorAndEncoding) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::pair<std::string, std::string>> cards;
    };
    const std::vector<Row> rows = {
        {"comma, LF, no header", "a,b\nc,\"d,e\"", {{"a", "b"}, {"c", "d,e"}}},
        {"TAB, CR", "a\tb,c\rd\te\r", {{"a", "b,c"}, {"d", "e"}}},
        {"Windows-1252",
         "Stra\xDF"
         "e;street\n",
         {{"Straße", "street"}}},
        {"header names the order", "Answer,Question\nHaus,house\n", {{"house", "Haus"}}},
        {"flash-card header lines",
         "#separator:tab\n#html:false\n#columns:Back\tFront\nHaus\thouse\n",
         {{"house", "Haus"}}},
        {"one column", "alone\n", {{"alone", ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ImportedCard> cards;
        ASSERT_TRUE(readCsvCards(row.bytes, cards).ok());
        std::vector<std::pair<std::string, std::string>> got;
        for (const ImportedCard& card : cards)
            got.emplace_back(card.question, card.answer);
        EXPECT_EQ(got, row.cards);
    }
}

// A damaged file is refused with the place it went wrong, and the open list stays as it was.
TEST_F(ForeignFormatsTest, damagedFilesChangeNothing) {
    const std::string kvtmlHead = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><entries>\n";
    const std::string laughs =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [\n<!ENTITY a \"aaaaaaaaaa\">\n"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
        "]>\n<kvtml><entries><entry id=\"0\"><translation id=\"0\"><text>&c;</text>"
        "</translation></entry></entries></kvtml>\n";
    struct Row {
        const char* name;
        const char* file;
        std::string bytes;
        int line;
    };
    const std::vector<Row> rows = {
        {"unbalanced quote", "a.csv", "a,b\nc,\"d\ne,f\n", 2},
        {"cut XML", "a.kvtml", kvtmlHead + "<entry id=\"0\"><translation", 3},
        {"entity declarations", "a.kvtml", laughs, 6},
        {"not a vocabulary", "a.kvtml", "<?xml version=\"1.0\"?>\n<html/>", 2},
        {"wrong encoding", "a.kvtml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml>\xFF\xFE</kvtml>", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        resetCardStore();
        FileInfo info;
        ASSERT_TRUE(readListBytes(mainList, "kept\tbehalten\n", info, nullptr).ok());
        putFile(path(row.file), row.bytes);
        FileResult result;
        readFile(path(row.file), result);
        EXPECT_EQ(result.error, FileError::NotAList);
        if (row.line > 0)
            EXPECT_EQ(result.line, row.line);
        else
            EXPECT_GT(result.line, 0); // where the decoder gave up is the XML reader's choice
        EXPECT_EQ(result.textNumber, std::string(row.file).ends_with(".csv")
                                         ? listfile::text::DamagedAtLine
                                         : listfile::text::DamagedAtColumn);
        EXPECT_EQ(cardsOf(mainList), (std::vector<CardText>{{"kept", "behalten", "-", "-", 0, 0}}));
        EXPECT_EQ(nextCardId, 1);
    }
}

TEST_F(ForeignFormatsTest, moreThanTwoLanguagesAskWhichTwo) {
    const std::string bytes =
        "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>en</name></identifier>"
        "<identifier id=\"1\"><name>de</name></identifier><identifier id=\"2\"><name>fr</name>"
        "</identifier></identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>house"
        "</text></translation><translation id=\"1\"><text>Haus</text></translation>"
        "<translation id=\"2\"><text>maison</text><comment>f.</comment></translation></entry>"
        "</entries></kvtml>";
    std::vector<std::string> offered;
    LanguageChooser before =
        setLanguageChooser([&](const std::vector<std::string>& names, int& question, int& answer) {
            offered = names;
            question = 2;
            answer = 0;
            return true;
        });
    std::vector<ImportedCard> cards;
    ASSERT_TRUE(readKvtmlCards(bytes, cards).ok());
    EXPECT_EQ(offered, (std::vector<std::string>{"en", "de", "fr"}));
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].question, "maison");
    EXPECT_EQ(cards[0].answer, "house");
    EXPECT_EQ(cards[0].additionalInfo, "-"); // the comment belongs to the question's side
    setLanguageChooser([](const std::vector<std::string>&, int&, int&) { return false; });
    FileResult cancelled = readKvtmlCards(bytes, cards);
    EXPECT_FALSE(cancelled.ok());
    EXPECT_EQ(cancelled.textNumber, 0);
    EXPECT_TRUE(cards.empty());
    setLanguageChooser(before);
}

// Every card comes back from each export as it was: texts with accents, quotes, separators and
// line ends, nested lessons, levels, and the known cards as known.
TEST_F(ForeignFormatsTest, exportsReadBackAsTheSameCards) {
    const std::vector<CardText> main = {
        {"café \"noir\"", "Kaffee, schwarz; stark", "Küche/Tee", "a\tb", 3, 0},
        {"two\nlines", "zwei & <Zeilen>", "-", "", 0, 1},
        {"λόγος", "Wort", "a/b/c", "-", 12, 2}};
    const std::vector<CardText> known = {{"naïve", "naiv", "Küche", "x,y", 7, 3}};
    for (const char* name : {"out.kvtml", "out.csv", "out.tsv", "out.txt"}) {
        SCOPED_TRACE(name);
        resetCardStore();
        for (const CardText& card : main)
            appendNewCard(mainList, card);
        for (const CardText& card : known)
            appendNewCard(knownList, card);
        ASSERT_TRUE(exportForOtherPrograms(mainList, knownList, path(name)).ok());
        resetCardStore();
        FileResult result;
        std::string readName = std::string(name) == "out.txt" ? "out-copy.tsv" : name;
        if (readName != name)
            fs::copy_file(path(name), path(readName.c_str()));
        readFile(path(readName.c_str()), result);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(cardsOf(mainList), main);
        EXPECT_EQ(cardsOf(knownList), known);
    }
    resetCardStore();
    EXPECT_EQ(exportForOtherPrograms(mainList, knownList, path("empty.csv")).error,
              FileError::NoCards);
    EXPECT_FALSE(fs::exists(path("empty.csv")));
}

} // namespace
