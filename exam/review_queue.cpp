#include "exam/review_queue.h"

#include "exam/random_number.h"
#include "store/preferences.h"

#include <algorithm>
#include <limits>

ReviewQueue::ReviewQueue(std::vector<ReviewNode> nodes) : nodes_(std::move(nodes)) {
    if (!nodes_.empty())
        head_ = &nodes_.front();
}

int32_t reviewPriority(int32_t level, int32_t threshold, int r) {
    int64_t t = threshold < 1 ? 1 : threshold;
    int64_t priority = 32767 - (32767 / t) * level - (r / t);
    // A level far out of the usual range must not wrap round to the other end of the order.
    priority = std::clamp<int64_t>(priority, std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(priority);
}

ReviewQueue buildReviewQueue(const CardList& list) {
    std::vector<Card*> cards = list.cards();
    std::vector<int> order(cards.size());
    std::vector<int32_t> priorities(cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        order[i] = static_cast<int>(i);
        priorities[i] = reviewPriority(cards[i]->level, preferences.knownThreshold, randomNumber());
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        auto pa = priorities[static_cast<std::size_t>(a)];
        auto pb = priorities[static_cast<std::size_t>(b)];
        return pa != pb ? pa > pb : a > b;
    });

    std::vector<ReviewNode> nodes(cards.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        auto from = static_cast<std::size_t>(order[i]);
        nodes[i].card = cards[from];
        nodes[i].reviewPriority = priorities[from];
        nodes[i].previous = i > 0 ? &nodes[i - 1] : nullptr;
        nodes[i].next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
    }
    // The vector's buffer moves with it, so the links stay valid.
    return ReviewQueue(std::move(nodes));
}

int requeueDistance(const Card& card, int n) {
    bool lastAnswerWrong = card.lastWrongTurn == card.lastAnswerTurn && card.lastWrongTurn != 0;
    if (lastAnswerWrong) {
        if (card.wrongCount == card.askCount)
            return 5;
        if (card.wrongCount == card.askCount - 1)
            return 10;
        return n / 5;
    }
    int64_t gap = static_cast<int64_t>(card.lastAnswerTurn) - card.lastWrongTurn;
    if (gap <= 2)
        return 2 * (n / 5);
    if (gap == 3)
        return 3 * (n / 5);
    if (gap <= 5)
        return 4 * (n / 5);
    return n;
}

void requeueCard(ReviewNode* head) {
    int n = 0;
    for (const ReviewNode* node = head; node; node = node->next)
        ++n;
    moveHeadBack(head, requeueDistance(*head->card, n));
}

void moveHeadBack(ReviewNode* head, int d) {
    if (d < 2 || !head->next)
        return;
    ReviewNode* x = head;
    // A distance beyond the queue puts the card at the end.
    for (int step = 1; step < d && x->next; ++step)
        x = x->next;
    ReviewNode* successor = head->next;
    successor->previous = nullptr;
    head->previous = x;
    head->next = x->next;
    if (x->next)
        x->next->previous = head;
    x->next = head;
}
