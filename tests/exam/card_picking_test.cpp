#include "exam/exam_session.h"
#include "tests/exam/exam_fixture.h"

#include <set>

namespace {

class Picking : public ExamTest {};

bool alwaysRight(Card&) {
    return true;
}

// Runs an in-order examination to its end and returns the questions asked.
std::vector<std::string> askAllInOrder(ExamKind kind) {
    ExamSession session(kind);
    session.start();
    std::vector<std::string> asked;
    for (int guard = 0; session.currentCard() && guard < 1000; ++guard) {
        asked.emplace_back(session.currentCard()->question());
        session.nextCard(alwaysRight);
    }
    return asked;
}

TEST(RandomNumber, isTheKnownGeneratorAndStartsOverWithTheSameSeed) {
    seedRandomNumber(1);
    EXPECT_EQ(randomNumber(), 41);
    EXPECT_EQ(randomNumber(), 18467);
    EXPECT_EQ(randomNumber(), 6334);
    seedRandomNumber(int64_t{1} << 32); // different from 0 only above bit 31
    int a = randomNumber();
    seedRandomNumber(0);
    EXPECT_NE(a, randomNumber());
}

TEST_F(Picking, inOrderAsksEveryCardOnceForListsAcrossBlockBounds) {
    for (int count : {10, 11, 20, 30}) {
        resetCardStore();
        addCards(mainList, count);
        std::vector<std::string> asked = askAllInOrder(ExamKind::InOrder);
        ASSERT_EQ(asked.size(), static_cast<std::size_t>(count)) << count << " cards";
        EXPECT_EQ(asked.front(), "q0");
        EXPECT_EQ(asked.back(), "q" + std::to_string(count - 1));
    }
}

TEST_F(Picking, inOrderAsksTheCardBehindAHoleOnce) {
    std::vector<Card*> cards = addCards(mainList, 15);
    takeOut(mainList, cards[3]);
    takeOut(mainList, cards[4]);
    EXPECT_EQ(pickInOrder(mainList, 3), cards[5]);
    EXPECT_EQ(pickInOrder(mainList, 15), nullptr);
    EXPECT_EQ(pickInOrder(mainList, 40), nullptr);

    std::vector<std::string> asked = askAllInOrder(ExamKind::InOrder);
    EXPECT_EQ(asked, (std::vector<std::string>{"q0", "q1", "q2", "q5", "q6", "q7", "q8", "q9",
                                               "q10", "q11", "q12", "q13", "q14"}));
}

TEST_F(Picking, inOrderMarksTheSlotPositionOnTheCard) {
    std::vector<Card*> cards = addCards(mainList, 12);
    takeOut(mainList, cards[0]);
    ExamSession session(ExamKind::InOrder);
    session.start();
    session.nextCard([](Card&) { return false; });
    EXPECT_EQ(cards[1]->lastAnswerTurn, 1);
    session.nextCard(alwaysRight);
    EXPECT_EQ(cards[2]->lastAnswerTurn, 2);
}

TEST_F(Picking, emptyInOrderSourceHasNoFirstCard) {
    ExamSession session(ExamKind::WrongWords);
    session.start();
    EXPECT_EQ(session.currentCard(), nullptr);
    EXPECT_FALSE(session.refused());
}

TEST_F(Picking, randomRefusesThreeCardsAndStartsWithFour) {
    addCards(mainList, 3);
    ExamSession three(ExamKind::Random);
    three.start();
    EXPECT_EQ(three.currentCard(), nullptr);
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Too few words for a random examination"}));

    addCards(mainList, 1);
    ExamSession four(ExamKind::Random);
    four.start();
    EXPECT_NE(four.currentCard(), nullptr);
    EXPECT_EQ(four.position(), 0);
}

TEST_F(Picking, randomWithoutHolesTakesTheSlotOfTheDraw) {
    std::vector<Card*> cards = addCards(mainList, 7);
    seedRandomNumber(1); // draws 41, 18467, 6334: 41 % 7 = 6, 18467 % 7 = 1, 6334 % 7 = 6 -> again
    EXPECT_EQ(pickRandom(mainList), cards[6]);
    EXPECT_EQ(pickRandom(mainList), cards[1]);
    Card* third = pickRandom(mainList);
    EXPECT_NE(third, cards[6]);
    EXPECT_NE(third, cards[1]);
}

TEST_F(Picking, randomNeverRepeatsOneOfTheLastThreeAndReachesEveryCard) {
    std::vector<Card*> cards = addCards(mainList, 40);
    // Holes everywhere but the end: only cards behind them are left to draw.
    for (int i = 0; i < 36; ++i)
        takeOut(mainList, cards[static_cast<std::size_t>(i)]);
    std::vector<Card*> picks;
    for (int i = 0; i < 2000; ++i)
        picks.push_back(pickRandom(mainList));
    std::set<Card*> seen(picks.begin(), picks.end());
    EXPECT_EQ(seen, (std::set<Card*>{cards[36], cards[37], cards[38], cards[39]}));
    for (std::size_t i = 3; i < picks.size(); ++i) {
        EXPECT_NE(picks[i], picks[i - 1]);
        EXPECT_NE(picks[i], picks[i - 2]);
        EXPECT_NE(picks[i], picks[i - 3]);
    }
}

TEST_F(Picking, recentPicksAreSharedBetweenRandomExaminations) {
    std::vector<Card*> cards = addCards(mainList, 4);
    for (Card* c : {cards[0], cards[1], cards[2], cards[3]})
        appendCard(lessonList, c);
    Card* a = pickRandom(mainList);
    Card* b = pickRandom(lessonList);
    Card* c = pickRandom(mainList);
    Card* d = pickRandom(lessonList);
    EXPECT_EQ((std::set<Card*>{a, b, c, d}).size(), 4u);
}

TEST_F(Picking, largeListsReachCardsBeyondTheGeneratorRange) {
    addCards(mainList, 40000);
    bool beyond = false;
    for (int i = 0; i < 200 && !beyond; ++i)
        beyond = mainList.positionOf(pickRandom(mainList)) >= 32768;
    EXPECT_TRUE(beyond);
}

TEST_F(Picking, randomExaminationEndsWhenTheSourceDropsToThreeCards) {
    knownChoice = KnownCardChoice::KnownCards;
    preferences.knownThreshold = 1;
    addCards(mainList, 4);
    ExamSession session(ExamKind::Random);
    session.start();
    ASSERT_NE(session.currentCard(), nullptr);
    session.nextCard(alwaysRight); // moves the card to the known cards
    EXPECT_EQ(countCards(mainList), 3);
    EXPECT_EQ(session.currentCard(), nullptr);
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Too few words for a random examination"}));
}

} // namespace
