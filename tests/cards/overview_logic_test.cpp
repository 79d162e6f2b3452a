#include "cards/lesson_rows.h"
#include "cards/overview_filter.h"
#include "cards/row_search.h"
#include "tests/cards/cards_fixture.h"
#include "ui/lesson_fold.h"

namespace {

using OverviewLogicTest = CardsTest;

TEST_F(OverviewLogicTest, lessonRows_oneRowPerLessonWithoutRegardToCase_newestOnTop) {
    add(mainList, "q", "a", "Verbs");
    add(mainList, "q", "a", "nouns");
    add(mainList, "q", "a", "verbs");
    add(knownList, "q", "a", "Adj");
    add(knownList, "q", "a", "NOUNS");
    EXPECT_EQ(ui::lessonNames(mainList, knownList),
              (std::vector<std::string>{"Adj", "nouns", "Verbs"}));
}

TEST(LessonFold, foldsWindows1252CapitalsButNotOtherBytes) {
    EXPECT_TRUE(ui::sameLessonName("Ärger", "äRGER"));
    EXPECT_TRUE(ui::sameLessonName("ŠŒŽŸ", "šœžÿ"));
    EXPECT_TRUE(ui::sameLessonName("ΛΌΓΟΣ", "λόγοσ"));
    EXPECT_TRUE(ui::sameLessonName("СЛОВО", "слово"));
    EXPECT_FALSE(ui::sameLessonName("×", "÷")); // multiplication and division signs
    EXPECT_FALSE(ui::sameLessonName("ß", "SS"));
    EXPECT_FALSE(ui::sameLessonName("ab", "abc"));
    EXPECT_EQ(ui::foldLessonName("L1-Été"), "l1-été");
}

TEST_F(OverviewLogicTest, lessonCards_upperLessonFirstThenMainBeforeKnown_exactCase) {
    Card* verbsKnown = add(knownList, "q", "a", "Verbs");
    Card* nouns = add(mainList, "q", "a", "nouns");
    Card* verbs = add(mainList, "q", "a", "Verbs");
    add(mainList, "q", "a", "verbs");
    Card* nouns2 = add(mainList, "q", "a", "nouns");
    CardList target;
    collectLessonCards(mainList, knownList, {"Verbs", "nouns"}, target);
    EXPECT_EQ(target.cards(), (std::vector<Card*>{verbs, verbsKnown, nouns, nouns2}));

    // The same as one copyCardsByLesson per lesson, main list then known list.
    CardList expected;
    for (const char* lesson : {"Verbs", "nouns"}) {
        copyCardsByLesson(mainList, expected, lesson);
        copyCardsByLesson(knownList, expected, lesson);
    }
    EXPECT_EQ(target.cards(), expected.cards());
}

TEST_F(OverviewLogicTest, filters_showProgramListsOrOwnLists) {
    add(mainList, "m1", "a", "-", 3);
    add(mainList, "m2", "a", "-", 1);
    add(knownList, "k1", "a", "-", 3);
    OverviewLists own;
    fillAllCards(own);
    EXPECT_EQ(ids(own.allCards), (std::vector<int32_t>{0, 1, 2}));
    fillLevelCards(own, 3);
    EXPECT_EQ(ids(own.levelCards), (std::vector<int32_t>{0})); // known cards are not included
    EXPECT_EQ(&listOfFilter(OverviewFilter::UnknownCards, own), &mainList);
    EXPECT_EQ(&listOfFilter(OverviewFilter::KnownCards, own), &knownList);
    EXPECT_EQ(&listOfFilter(OverviewFilter::WrongCards, own), &wrongList);
    EXPECT_EQ(&listOfFilter(OverviewFilter::LevelCards, own), &own.levelCards);
}

TEST_F(OverviewLogicTest, sortingUnknownCardsReordersTheMainListItself) {
    nextCardId = 5;
    add(mainList, "b");
    nextCardId = 2;
    add(mainList, "c");
    nextCardId = 9;
    add(mainList, "a");
    OverviewLists own;
    EXPECT_TRUE(sortShownList(OverviewFilter::UnknownCards, own, IdColumn));
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{2, 5, 9}));
    EXPECT_EQ(currentList, &mainList);
    EXPECT_TRUE(sortShownList(OverviewFilter::UnknownCards, own, QuestionColumn));
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{9, 5, 2}));
    EXPECT_FALSE(sortShownList(OverviewFilter::UnknownCards, own, InfoColumn));
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{9, 5, 2}));
}

TEST_F(OverviewLogicTest, sortingOwnListLeavesTheMainListAndTwiceGivesSameOrder) {
    add(mainList, "x", "a", "-", 2);
    add(mainList, "y", "a", "-", 0);
    add(mainList, "z", "a", "-", 2);
    add(knownList, "k", "a", "-", 1);
    OverviewLists own;
    fillAllCards(own);
    sortShownList(OverviewFilter::AllCards, own, LevelColumn);
    std::vector<int32_t> once = ids(own.allCards);
    sortShownList(OverviewFilter::AllCards, own, LevelColumn);
    EXPECT_EQ(ids(own.allCards), once);
    EXPECT_EQ(own.allCards.cards().front()->level, 0);
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(OverviewLogicTest, sortingAnEmptyListSaysSoAndKeepsIt) {
    OverviewLists own;
    EXPECT_TRUE(sortShownList(OverviewFilter::WrongCards, own, LevelColumn));
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{"There are no cards to sort"}));
    EXPECT_TRUE(wrongList.empty());
}

TEST(LevelPicture, newCardsDarkRedKnownSoonLightGreenAndNoIndexOutsideTheStrip) {
    const std::pair<int32_t, int> rows[] = {{0, 4},  {4, 0},  {5, 5},  {INT32_MAX, 5}, {-1, 5},
                                            {-2, 6}, {-3, 7}, {-4, 7}, {INT32_MIN, 7}};
    for (auto [level, picture] : rows)
        EXPECT_EQ(levelPicture(level), picture) << level;
}

TEST_F(OverviewLogicTest, rowSearch_stepsThroughMatchesThenRestartsAtTop) {
    std::vector<Card*> rows;
    for (const char* q : {"x", "y", "Haus", "z", "w", "Rathaus", "v"})
        rows.push_back(add(mainList, q));
    assignText(*rows[1], CardField::additionalInfo, "h"); // "h" not "haus": not found there
    RowSearchState state{"haus", 0};
    EXPECT_EQ(searchRows(rows, state), 5); // case included: "Haus" does not hold "haus"
    state.text = "aus";
    state.startRow = 0;
    EXPECT_EQ(searchRows(rows, state), 2);
    EXPECT_EQ(searchRows(rows, state), 5);
    EXPECT_EQ(searchRows(rows, state), 2);
    EXPECT_EQ(state.startRow, 3);
    state.text = "nowhere";
    EXPECT_EQ(searchRows(rows, state), -1);
    EXPECT_EQ(state.startRow, 0);
    state.text = "";
    EXPECT_EQ(searchRows(rows, state), 0);
    state.startRow = 99; // a start row behind a shorter table restarts at the top
    state.text = "v";
    EXPECT_EQ(searchRows(rows, state), 6);
    std::vector<Card*> none;
    EXPECT_EQ(searchRows(none, state), -1);
}

} // namespace
