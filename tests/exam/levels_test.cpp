#include "exam/exam_session.h"
#include "resources/command_ids.h"
#include "tests/exam/exam_fixture.h"

#include <functional>

namespace {

class Levels : public ExamTest {};

TEST_F(Levels, rightAndWrongAnswersChangeLevelCountersAndMarks) {
    Card* card = addCards(mainList, 1)[0];
    modifiedFlag = 0;
    answerRight(card, 70000);
    EXPECT_EQ(card->level, 1);
    EXPECT_EQ(card->rightCount, 1);
    EXPECT_EQ(card->askCount, 1);
    EXPECT_EQ(card->lastAnswerTurn, 70000);
    EXPECT_EQ(modifiedFlag, 1);

    answerWrong(card, static_cast<int16_t>(40000)); // the position as a 16-bit value
    EXPECT_EQ(card->level, 0);
    EXPECT_EQ(card->wrongCount, 1);
    EXPECT_EQ(card->askCount, 2);
    EXPECT_EQ(card->lastAnswerTurn, 40000 - 65536);
    EXPECT_EQ(card->lastWrongTurn, card->lastAnswerTurn);
}

TEST_F(Levels, firstWrongAnswerCollectsTheCardOnceAndEnablesTheWrongWords) {
    std::vector<Card*> cards = addCards(mainList, 2);
    answerWrong(cards[0], 1);
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamWrongWords));
    EXPECT_TRUE(host.isButtonEnabled(ctl::WrongWordsButton));
    host.setCommandEnabled(cmd::ExamWrongWords, false); // as its examination would
    answerWrong(cards[0], 2);
    EXPECT_EQ(countCards(wrongList), 1);
    EXPECT_FALSE(host.isCommandEnabled(cmd::ExamWrongWords)); // not in the list anew
    answerWrong(cards[1], 3);
    EXPECT_EQ(countCards(wrongList), 2);
    EXPECT_EQ(host.counterUpdates, 0);
}

// A card is collected unless a wrong card has its id already, however the list changed between
// two wrong answers: emptied, a card taken out, a card given a fresh id as a sort does.
TEST_F(Levels, wrongCardsAreCollectedOncePerIdWhateverChangedTheList) {
    std::vector<Card*> cards = addCards(mainList, 4);
    cards[3]->id = cards[2]->id; // an id shared, as in older files
    const std::function<void()> changes[] = {
        [] {},
        [] { clearList(wrongList); },
        [&] { removeCard(wrongList, cards[0]); },
        [&] { cards[1]->id = nextCardId++; },
    };
    for (const auto& change : changes) {
        for (Card* card : cards) {
            change();
            const int before = countCards(wrongList);
            const bool collected = !containsCardId(wrongList, card->id);
            answerWrong(card, 1);
            EXPECT_EQ(countCards(wrongList), before + (collected ? 1 : 0));
        }
    }
}

TEST_F(Levels, wrongWordsStayGrayedWhileTheirExaminationIsOpen) {
    Card* card = addCards(mainList, 1)[0];
    noteExamOpened(cmd::ExamWrongWords);
    answerWrong(card, 1);
    EXPECT_FALSE(host.isCommandEnabled(cmd::ExamWrongWords));
    EXPECT_EQ(countCards(wrongList), 1);
}

TEST_F(Levels, keepItAtTheThresholdPutsTheCardTwoLevelsBack) {
    Card* card = addCards(mainList, 1)[0];
    card->level = 4;
    answerRight(card, 1);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(card->level, 3);
    EXPECT_EQ(card->rightCount, 1);
    answerRight(card, 2);
    EXPECT_EQ(offered.size(), 1u);
    answerRight(card, 3);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(countCards(knownList), 0);

    preferences.knownThreshold = 1;
    card->level = 0;
    answerRight(card, 4);
    EXPECT_EQ(card->level, -1);
}

TEST_F(Levels, knownCardsMovesTheCardAndFreesItsSlot) {
    knownChoice = KnownCardChoice::KnownCards;
    std::vector<Card*> cards = addCards(mainList, 3);
    cards[1]->level = 4;
    answerRight(cards[1], 1);
    EXPECT_EQ(cards[1]->level, 5); // keeps its level
    EXPECT_EQ(mainList.slot(1), nullptr);
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(findCardById(knownList, cards[1]->id), cards[1]);
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamKnownWords));
    EXPECT_EQ(host.counterUpdates, 1);

    // The same card offered again (it stays in a running systematic queue): refused, no list
    // changes, counters refreshed all the same.
    answerRight(cards[1], 2);
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("There was an error in the function to move cards", 0),
              0u);
    EXPECT_EQ(countCards(knownList), 1);
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(host.counterUpdates, 2);
}

TEST_F(Levels, aCardDeletedMeanwhileIsNotMovedToTheKnownCards) {
    knownChoice = KnownCardChoice::KnownCards;
    Card* card = addCards(mainList, 1)[0];
    takeOut(mainList, card);
    card->level = 4;
    answerRight(card, 1);
    EXPECT_EQ(countCards(knownList), 0);
    EXPECT_EQ(countCards(mainList), 0);
}

TEST_F(Levels, knownWordsExaminationOffersNothingAndSendsAWrongCardBack) {
    knownChoice = KnownCardChoice::KnownCards;
    std::vector<Card*> main = addCards(mainList, 12);
    takeOut(mainList, main[2]); // the first free slot of the main list
    std::vector<Card*> known = addCards(knownList, 2);
    known[0]->level = 7;
    known[1]->level = 7;

    ExamSession session(ExamKind::KnownWords);
    session.start();
    ASSERT_EQ(session.currentCard(), known[0]);
    session.nextCard([](Card&) { return true; });
    EXPECT_EQ(known[0]->level, 8);
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(inKnownWordsExam, 0);

    ASSERT_EQ(session.currentCard(), known[1]);
    session.nextCard([](Card&) {
        EXPECT_EQ(inKnownWordsExam, 1); // set while the answer is judged
        return false;
    });
    EXPECT_EQ(known[1]->level, 0);
    EXPECT_EQ(containsCardId(wrongList, known[1]->id), 1);
    EXPECT_EQ(containsCardId(knownList, known[1]->id), 0);
    EXPECT_EQ(mainList.slot(2), known[1]);
    EXPECT_EQ(inKnownWordsExam, 0);
    EXPECT_EQ(session.currentCard(), nullptr);
}

TEST_F(Levels, countersRiseByOnePerAnswerWhateverTheJudge) {
    std::vector<Card*> cards = addCards(mainList, 5);
    ExamSession session(ExamKind::InOrder);
    session.start();
    bool right = true;
    while (session.currentCard()) {
        session.nextCard([&](Card&) { return right = !right; });
    }
    for (Card* c : cards) {
        EXPECT_EQ(c->askCount, 1);
        EXPECT_EQ(c->rightCount + c->wrongCount, 1);
    }
    EXPECT_EQ(countCards(wrongList), 3);
}

} // namespace
