#include "cards/card_search.h"
#include "tests/cards/cards_fixture.h"

namespace {

using CardSearchTest = CardsTest;

TEST_F(CardSearchTest, repeatedQuestionSearchStepsThroughIdsAndWraps) {
    nextCardId = 3;
    Card* three = add(mainList, "haus");
    add(mainList, "baum");
    nextCardId = 9;
    Card* nine = add(mainList, "haus");
    EXPECT_EQ(searchCardByText(SearchField::Question, "haus", 0), three);
    EXPECT_EQ(searchCardByText(SearchField::Question, "haus", 3), nine);
    EXPECT_EQ(searchCardByText(SearchField::Question, "haus", 9), three);
}

// The exact text wins; only when no card holds it is case left aside, Windows-1252 letters too.
TEST_F(CardSearchTest, caseBlindSearchOnlyWhenNothingMatchesExactly) {
    Card* boat = add(mainList, "Hausboot", "houseboat");
    Card* exact = add(mainList, "hausboot", "HOUSEBOAT");
    Card* umlaut = add(knownList, "\xC4rger", "\xC9T\xC9"); // Ärger, ÉTÉ
    struct Row {
        SearchField field;
        const char* text;
        Card* found;
    } rows[] = {
        {SearchField::Question, "hausboot", exact},  {SearchField::Question, "HAUSBOOT", boat},
        {SearchField::Answer, "HOUSEBOAT", exact},   {SearchField::Answer, "Houseboat", boat},
        {SearchField::Question, "\xE4rger", umlaut}, {SearchField::Answer, "\xE9t\xE9", umlaut},
        {SearchField::Question, "hausbot", nullptr},
    };
    for (const Row& row : rows)
        EXPECT_EQ(searchCardByText(row.field, row.text, -1), row.found) << row.text;
    // Stepping on from the card shown works case-blind too.
    Card* second = add(mainList, "HAUSBOOT");
    EXPECT_EQ(searchCardByText(SearchField::Question, "hausBOOT", boat->id), exact);
    EXPECT_EQ(searchCardByText(SearchField::Question, "hausBOOT", exact->id), second);
}

TEST_F(CardSearchTest, knownCardsAreSearchedAfterTheCurrentList) {
    Card* known = add(knownList, "q", "house");
    Card* main = add(mainList, "q2", "house");
    EXPECT_EQ(searchCardByText(SearchField::Answer, "house", -1), main);
    EXPECT_EQ(searchCardByText(SearchField::Answer, "house", main->id), main);
    removeCard(mainList, main);
    EXPECT_EQ(searchCardByText(SearchField::Answer, "house", -1), known);
    delete main;
}

TEST_F(CardSearchTest, searchIdFindsCurrentListFirstAndComparesAll32Bits) {
    nextCardId = 5;
    Card* five = add(mainList, "q");
    nextCardId = 65536 + 5;
    Card* big = add(knownList, "k");
    EXPECT_EQ(searchCardById(5), five);
    EXPECT_EQ(searchCardById(65541), big);
    EXPECT_EQ(searchCardById(6), nullptr);
}

TEST(SearchIdText, readsLeadingNumberLikeTheUserMeansIt) {
    EXPECT_EQ(readSearchId("12abc"), 12);
    EXPECT_EQ(readSearchId("abc"), 0);
    EXPECT_EQ(readSearchId(""), 0);
    EXPECT_EQ(readSearchId("  -7"), -7);
    EXPECT_EQ(readSearchId("+42 "), 42);
    EXPECT_EQ(readSearchId("\r\n\v\f 8"), 8);
    EXPECT_EQ(readSearchId("- 3"), 0);
    EXPECT_EQ(readSearchId("2147483647"), INT32_MAX);
    EXPECT_EQ(readSearchId("-2147483648"), INT32_MIN);
    EXPECT_EQ(readSearchId("2147483648"), std::nullopt);
    EXPECT_EQ(readSearchId("99999999999"), std::nullopt);
    EXPECT_EQ(readSearchId(std::string(300, '9')), std::nullopt);
    EXPECT_EQ(readSearchId("0000000000000000000000012"), 12);
}

} // namespace
