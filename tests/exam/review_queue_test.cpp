#include "exam/exam_session.h"
#include "tests/exam/exam_fixture.h"

namespace {

class Review : public ExamTest {};

std::vector<Card*> queueOrder(const ReviewQueue& queue) {
    std::vector<Card*> order;
    for (ReviewNode* n = queue.head(); n; n = n->next)
        order.push_back(n->card);
    return order;
}

// Every link backward matches the link forward, the head has no previous node.
void expectConsistentLinks(const ReviewQueue& queue) {
    ASSERT_NE(queue.head(), nullptr);
    EXPECT_EQ(queue.head()->previous, nullptr);
    int n = 0;
    for (ReviewNode* node = queue.head(); node; node = node->next, ++n) {
        if (node->next) {
            EXPECT_EQ(node->next->previous, node);
        }
    }
    EXPECT_EQ(n, queue.size());
}

TEST(ReviewPriority, levelBandsForThresholdFive) {
    EXPECT_EQ(reviewPriority(0, 5, 0), 32767);
    EXPECT_EQ(reviewPriority(0, 5, 32767), 26214);
    EXPECT_EQ(reviewPriority(1, 5, 0), 26214);
    EXPECT_EQ(reviewPriority(1, 5, 32767), 19661);
    EXPECT_EQ(reviewPriority(-1, 1, 0), 65534); // a card kept at threshold 1
    // Threshold 0 counts as 1: still by level, no division by zero.
    EXPECT_EQ(reviewPriority(2, 0, 100), 32767 - 2 * 32767 - 100);
    EXPECT_GE(reviewPriority(0, 0, 32767), reviewPriority(1, 0, 0));
    // Far out levels stay in order instead of wrapping round.
    EXPECT_LT(reviewPriority(2000000000, 1, 0), reviewPriority(0, 1, 32767));
}

TEST_F(Review, startOrderGoesByLevelLowestFirst) {
    std::vector<Card*> cards = addCards(mainList, 30);
    for (std::size_t i = 0; i < cards.size(); ++i)
        cards[i]->level = static_cast<int32_t>(i % 3);
    ReviewQueue queue = buildReviewQueue(mainList);
    expectConsistentLinks(queue);
    std::vector<Card*> order = queueOrder(queue);
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LE(order[i - 1]->level, order[i]->level);
    for (ReviewNode* n = queue.head(); n->next; n = n->next)
        EXPECT_GE(n->reviewPriority, n->next->reviewPriority);
}

TEST_F(Review, equalPrioritiesPutTheLaterCardFirst) {
    // Threshold 1 and level 0: the priority is 32767 - r, so cards tie only on equal draws;
    // a threshold above 32767 makes every draw count as 0.
    preferences.knownThreshold = 40000;
    std::vector<Card*> cards = addCards(mainList, 12);
    std::vector<Card*> order = queueOrder(buildReviewQueue(mainList));
    EXPECT_EQ(order, std::vector<Card*>(cards.rbegin(), cards.rend()));
}

TEST_F(Review, moveHeadBackByDistance) {
    addCards(mainList, 11);
    preferences.knownThreshold = 40000;
    ReviewQueue queue = buildReviewQueue(mainList);
    std::vector<Card*> before = queueOrder(queue);
    ReviewNode* successor = queue.head()->next;
    moveHeadBack(queue.head(), 3);
    queue.setHead(successor);
    std::vector<Card*> after = queueOrder(queue);
    EXPECT_EQ(after[2], before[0]); // the 3rd card counted from the new head
    EXPECT_EQ(after[0], before[1]);
    EXPECT_EQ(after[1], before[2]);
    expectConsistentLinks(queue);

    successor = queue.head()->next;
    moveHeadBack(queue.head(), 11);
    queue.setHead(successor);
    EXPECT_EQ(queueOrder(queue).back(), before[1]);
    expectConsistentLinks(queue);
}

TEST_F(Review, requeueDistanceByTheCardsAnswers) {
    Card c{};
    // Latest answer wrong.
    c.lastAnswerTurn = c.lastWrongTurn = 4;
    c.askCount = c.wrongCount = 1;
    EXPECT_EQ(requeueDistance(c, 11), 5);
    c.askCount = 2;
    EXPECT_EQ(requeueDistance(c, 11), 10);
    c.askCount = 3;
    EXPECT_EQ(requeueDistance(c, 11), 2);
    EXPECT_EQ(requeueDistance(c, 100), 20);
    // Latest answer right, by the answers since the latest wrong one.
    c.lastWrongTurn = 0;
    for (auto [gap, expected] : {std::pair{1, 40}, {2, 40}, {3, 60}, {4, 80}, {5, 80}, {6, 100}}) {
        c.lastAnswerTurn = gap;
        EXPECT_EQ(requeueDistance(c, 100), expected) << "gap " << gap;
    }
    // Both marks 0 (never answered in a systematic examination): a gap of 0.
    c.lastAnswerTurn = 0;
    EXPECT_EQ(requeueDistance(c, 100), 40);
}

// An 11-card systematic examination: where the card on display stands in the queue right after
// its answer, counted from the card shown next (1).
class Systematic11 : public Review {
protected:
    void SetUp() override {
        Review::SetUp();
        addCards(mainList, 11);
        session.start();
        watched = session.currentCard();
    }

    int placeAfterAnswer(bool right) {
        watched = session.currentCard();
        session.nextCard([&](Card&) { return right; });
        int place = 1;
        for (ReviewNode* n = session.queue().head(); n; n = n->next, ++place)
            if (n->card == watched)
                return place;
        return -1;
    }

    ExamSession session{ExamKind::Systematic};
    Card* watched = nullptr;
};

TEST_F(Systematic11, wrongAtTheFirstAskingComesBackFifth) {
    EXPECT_EQ(placeAfterAnswer(false), 5);
    EXPECT_EQ(watched->lastWrongTurn, 1);
    EXPECT_EQ(watched->lastAnswerTurn, 1);
    EXPECT_EQ(watched->level, 0);
    EXPECT_EQ(session.position(), 1);
    expectConsistentLinks(session.queue());
}

TEST_F(Systematic11, wrongAfterOneRightAnswerComesBackTenth) {
    watched->askCount = watched->rightCount = 1; // one right answer earlier in the run
    EXPECT_EQ(placeAfterAnswer(false), 10);
}

TEST_F(Systematic11, wrongAfterTwoRightAnswersComesBackSecond) {
    watched->askCount = watched->rightCount = 2;
    EXPECT_EQ(placeAfterAnswer(false), 2);
}

TEST_F(Systematic11, rightAnswersGoBackByTheGapSinceTheLastWrongOne) {
    EXPECT_EQ(placeAfterAnswer(true), 4); // answer 1, never wrong: gap 1, 2 * (11 / 5)
    for (int i = 0; i < 4; ++i)
        session.nextCard([](Card&) { return true; });
    // Answer number 6 of a card never answered wrong goes to the end.
    EXPECT_EQ(placeAfterAnswer(true), 11);
    EXPECT_EQ(watched->lastAnswerTurn, 6);
    EXPECT_EQ(session.queue().size(), 11);
    expectConsistentLinks(session.queue());
}

TEST_F(Review, systematicRefusesTenCardsWithOnlyItsError) {
    addCards(mainList, 10);
    ExamSession session(ExamKind::Systematic);
    session.start();
    EXPECT_TRUE(session.refused());
    EXPECT_EQ(session.currentCard(), nullptr);
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("The systematic examination has been written", 0), 0u);
}

TEST_F(Review, systematicQueueKeepsACardMovedToTheKnownList) {
    preferences.knownThreshold = 1;
    knownChoice = KnownCardChoice::KnownCards;
    addCards(mainList, 11);
    ExamSession session(ExamKind::Systematic);
    session.start();
    Card* moved = session.currentCard();
    session.nextCard([](Card&) { return true; });
    EXPECT_EQ(findCardById(knownList, moved->id), moved);
    EXPECT_EQ(session.queue().size(), 11);
    bool inQueue = false;
    for (ReviewNode* n = session.queue().head(); n; n = n->next)
        inQueue = inQueue || n->card == moved;
    EXPECT_TRUE(inQueue);
}

// The indexed requeue gives exactly the order of the plain link walk, answer after answer, for
// every kind of distance (wrong the first time, wrong after one right, a fifth, two to five
// fifths, the end), on queues just above the smallest and larger than every fixed distance.
TEST_F(Review, requeueHeadMovesCardsAsTheLinkWalkDoes) {
    for (int n : {11, 12, 57, 300}) {
        resetCardStore();
        addCards(mainList, n);
        seedRandomNumber(7);
        ReviewQueue indexed = buildReviewQueue(mainList);
        seedRandomNumber(7);
        ReviewQueue walked = buildReviewQueue(mainList);
        ASSERT_EQ(queueOrder(indexed), queueOrder(walked));
        for (int step = 0; step < 6 * n; ++step) {
            // Answer histories chosen in turn to reach each distance.
            Card& card = *indexed.head()->card;
            card.askCount = 1 + step % 4;
            card.wrongCount = step % 3 == 0 ? card.askCount : card.askCount - 1 - step % 2;
            card.lastAnswerTurn = step + 10;
            card.lastWrongTurn =
                step % 3 == 0 ? card.lastAnswerTurn : card.lastAnswerTurn - step % 8;
            indexed.requeueHead();
            ReviewNode* head = walked.head();
            ReviewNode* successor = head->next;
            moveHeadBack(head, requeueDistance(*head->card, n));
            walked.setHead(successor);
            ASSERT_EQ(queueOrder(indexed), queueOrder(walked)) << n << " cards, step " << step;
        }
        expectConsistentLinks(indexed);
    }
}

} // namespace
