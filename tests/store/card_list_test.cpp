#include "tests/store/store_fixture.h"

#include <string>

namespace {

using CardListTest = StoreTest;

TEST_F(CardListTest, makeCard_takesNextIdAndDefaults) {
    nextCardId = 7;
    modifiedFlag = 0;
    Card* card = makeCard();
    EXPECT_EQ(card->id, 7);
    EXPECT_EQ(nextCardId, 8);
    EXPECT_EQ(card->level, 0);
    EXPECT_EQ(card->lesson(), "-");
    EXPECT_EQ(card->additionalInfo(), "-");
    EXPECT_EQ(card->askCount + card->rightCount + card->wrongCount, 0);
    EXPECT_EQ(modifiedFlag, 1);
    delete card;
}

TEST_F(CardListTest, assignText_neverOverflowsAField) {
    Card card{};
    std::string longText(500, 'x');
    assignText(card, CardField::lesson, longText);
    EXPECT_EQ(std::string(card.lesson()), std::string(10, 'x'));
    assignText(card, CardField::question, std::string_view("ab\0cd", 5));
    EXPECT_EQ(card.question(), "ab");
    assignText(card, CardField::answer, std::string(100, 'y'));
    EXPECT_EQ(std::string(card.answer()).size(), 100u);
}

TEST_F(CardListTest, eleventhCard_opensSecondBlockAtSlotZero) {
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(addCard(mainList, "q", "a", "-", "-"), i);
    EXPECT_EQ(addCard(mainList, "eleven", "a", "-", "-"), 0);
    EXPECT_EQ(mainList.blockCount(), 2);
    EXPECT_EQ(mainList.slot(10)->question(), "eleven");
    EXPECT_EQ(countCards(mainList, 0), 11);
}

TEST_F(CardListTest, holeIsReusedBeforeTheChainGrows) {
    for (int i = 0; i < 12; ++i)
        addCard(mainList, std::to_string(i), "a", "-", "-");
    Card* third = mainList.slot(3);
    ASSERT_TRUE(removeCardById(mainList, third->id));
    EXPECT_EQ(countCards(mainList, 0), 11);
    EXPECT_EQ(addCard(mainList, "new", "a", "-", "-"), 3);
    EXPECT_EQ(mainList.slot(3)->question(), "new");
    std::vector<Card*> order = mainList.cards();
    EXPECT_EQ(order[3]->question(), "new"); // ahead of all cards of the second block
    EXPECT_EQ(order[10]->question(), "10");
    delete third;
}

TEST_F(CardListTest, countSkipsHolesAndEmptiedBlocksStay) {
    for (int i = 0; i < 15; ++i)
        addCard(mainList, "q", "a", "-", "-");
    std::vector<Card*> cards = mainList.cards();
    for (Card* c : cards)
        removeCard(mainList, c);
    EXPECT_EQ(countCards(mainList, 0), 0);
    EXPECT_EQ(countCards(mainList, 5), 5);
    EXPECT_EQ(mainList.blockCount(), 2);
    for (Card* c : cards)
        delete c;
}

TEST_F(CardListTest, removeById_missingIdChangesNothing_removedCardStaysAlive) {
    add(mainList, "house");
    EXPECT_FALSE(removeCardById(mainList, 99));
    EXPECT_EQ(countCards(mainList), 1);
    Card* card = mainList.slot(0);
    ASSERT_TRUE(removeCardById(mainList, card->id));
    appendCard(knownList, card);
    EXPECT_EQ(findCardById(knownList, card->id), card);
}

TEST_F(CardListTest, removeById_stopsAtFirstOfTwoEqualIds) {
    Card* a = add(mainList, "a");
    Card* b = add(mainList, "b");
    b->id = a->id;
    ASSERT_TRUE(removeCardById(mainList, a->id));
    EXPECT_EQ(mainList.cards(), std::vector<Card*>{b});
    delete a;
}

TEST_F(CardListTest, lookupsByIdCompareAll32Bits) {
    Card* five = add(mainList, "five");
    five->id = 5;
    Card* big = add(mainList, "big");
    big->id = 70000;
    EXPECT_EQ(containsCardId(mainList, 5), 1);
    EXPECT_EQ(containsCardId(mainList, 65536 + 5), 0);
    EXPECT_EQ(findCardById(mainList, 65536 + 5), nullptr);
    EXPECT_EQ(findCardById(mainList, 70000), big);
    EXPECT_EQ(findCardById(mainList, 70000 - 65536), nullptr);
    EXPECT_EQ(containsCardId(mainList, 70000), 1);
}

TEST_F(CardListTest, searchByQuestionAndAnswer_respectIdBound) {
    Card* a = add(mainList, "haus", "house");
    a->id = 7;
    Card* b = add(mainList, "haus", "house");
    b->id = 3;
    Card* c = add(mainList, "haus", "house");
    c->id = 9;
    EXPECT_EQ(findCardByQuestion(mainList, "haus", -1), a);
    EXPECT_EQ(findCardByQuestion(mainList, "haus", 7), c);
    EXPECT_EQ(findCardByQuestion(mainList, "Haus", -1), nullptr);
    EXPECT_EQ(findCardByAnswer(mainList, "house", 3), a);
    EXPECT_EQ(findCardByAnswer(mainList, "house", 9), nullptr);
}

TEST_F(CardListTest, copyByLessonIsExactAndByLevelMatches) {
    add(mainList, "a", "x", "L1");
    add(mainList, "b", "x", "l1");
    add(mainList, "c", "x", "-");
    mainList.slot(2)->level = 3;
    copyCardsByLesson(mainList, lessonList, "L1");
    ASSERT_EQ(countCards(lessonList), 1);
    EXPECT_EQ(lessonList.slot(0)->question(), "a");
    clearList(lessonList);
    copyCardsByLesson(mainList, lessonList, "-");
    ASSERT_EQ(countCards(lessonList), 1);
    EXPECT_EQ(lessonList.slot(0)->question(), "c");
    copyCardsByLevel(mainList, levelList, 3);
    EXPECT_EQ(levelList.cards(), std::vector<Card*>{mainList.slot(2)});
}

TEST_F(CardListTest, appendAllAndReleaseBlocks) {
    for (int i = 0; i < 25; ++i)
        add(mainList, "q");
    appendAllCards(wrongList, mainList);
    EXPECT_EQ(wrongList.cards(), mainList.cards());
    releaseBlocks(wrongList);
    EXPECT_EQ(wrongList.blockCount(), 1);
    EXPECT_EQ(countCards(wrongList), 10);
    clearList(wrongList);
    EXPECT_EQ(countCards(wrongList), 0);
    EXPECT_EQ(countCards(mainList), 25); // shared references: the cards stay
}

TEST_F(CardListTest, closingAndReopeningStartsIdsAtZero) {
    add(mainList, "a");
    add(knownList, "b");
    Card* gone = add(mainList, "c");
    removeCard(mainList, gone);
    retireCard(gone);
    EXPECT_EQ(nextCardId, 3);
    resetCardStore();
    EXPECT_EQ(retiredCardCount(), 0);
    EXPECT_EQ(nextCardId, 0);
    EXPECT_EQ(modifiedFlag, 0);
    EXPECT_EQ(currentList, &mainList);
    addCard(mainList, "x", "y", "-", "-");
    EXPECT_EQ(mainList.slot(0)->id, 0);
}

TEST_F(CardListTest, validateCards_endsProgramOnBrokenCard) {
    Card* card = add(mainList, "q");
    breakLimitsForTests(*card, CardField::lesson, std::string(11, 'x'));
    EXPECT_EXIT(validateCards(mainList), testing::ExitedWithCode(8), "");
    assignText(*card, CardField::lesson, "ok");
}

} // namespace
