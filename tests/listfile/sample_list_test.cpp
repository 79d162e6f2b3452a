#include "listfile/list_writer.h"
#include "listfile_fixture.h"

#include <sstream>

namespace {

// The card data of the bundled sample list, kept as UTF-8 text in tests/data. Cards at level 5
// or above are known cards.
struct SampleCard {
    std::string question, answer, lesson, additionalInfo;
    int32_t level;
};

std::vector<SampleCard> sampleCards() {
    std::ifstream in(testData("english-german-cards.tsv"));
    std::vector<SampleCard> cards;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        SampleCard card;
        std::string level;
        std::getline(fields, card.question, '\t');
        std::getline(fields, card.answer, '\t');
        std::getline(fields, card.lesson, '\t');
        std::getline(fields, card.additionalInfo, '\t');
        std::getline(fields, level);
        card.level = std::stoi(level);
        cards.push_back(card);
    }
    return cards;
}

FontDescription sampleFont(int32_t weight) {
    FontDescription font = exampleFont(weight);
    font.height = -16;
    return font;
}

fs::path samplePath() {
    return testData("../../samples/english-german.zlk");
}

using SampleListTest = ListFileTest;

// Writes the sample list with the program's own writer. Runs only when asked:
// ZELKORA_REGENERATE_SAMPLE=1 ctest -R listfile
TEST_F(SampleListTest, regenerateWhenAsked) {
    if (!std::getenv("ZELKORA_REGENERATE_SAMPLE"))
        GTEST_SKIP() << "set ZELKORA_REGENERATE_SAMPLE=1 to write the sample list";
    for (const SampleCard& c : sampleCards()) {
        Card* card = makeCard();
        assignTexts(*card, c.question, c.answer, c.lesson, c.additionalInfo);
        card->level = c.level;
        appendCard(c.level >= 5 ? knownList : mainList, card);
    }
    FileInfo info;
    ASSERT_TRUE(
        writeListFile(mainList, samplePath().string(), info, sampleFont(700), sampleFont(400))
            .ok());
    fs::remove("font_debug_file");
}

TEST_F(SampleListTest, sampleOpensWithItsCardsAndFonts) {
    FileInfo info;
    ASSERT_TRUE(readListFile(mainList, samplePath().string(), info, recordFonts()).ok());
    EXPECT_EQ(info.formatName, "zelk v 2.0");
    std::vector<CardText> expectedMain, expectedKnown;
    int32_t id = 0;
    for (const SampleCard& c : sampleCards())
        (c.level >= 5 ? expectedKnown : expectedMain)
            .push_back({c.question, c.answer, c.lesson, c.additionalInfo, c.level, id++});
    EXPECT_GE(expectedMain.size() + expectedKnown.size(), 60u);
    EXPECT_EQ(info.mainCount, static_cast<int>(expectedMain.size()));
    EXPECT_EQ(info.knownCount, static_cast<int>(expectedKnown.size()));
    EXPECT_EQ(cardsOf(mainList), expectedMain);
    EXPECT_EQ(cardsOf(knownList), expectedKnown);
    EXPECT_EQ(restoredFonts, (std::vector<FontDescription>{sampleFont(700), sampleFont(400)}));
    EXPECT_NE(fileBytes(samplePath())
                  .find("Stra\xDF"
                        "e\tTravel"),
              std::string::npos);
}

} // namespace
