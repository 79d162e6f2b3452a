#pragma once

#include "exam/exam_kind.h"
#include "exam/exam_tally.h"
#include "exam/review_queue.h"

#include <functional>
#include <unordered_set>

// The course of one examination without its window: the card on display, the step counter and,
// for the systematic kinds, the review queue. The examination window shows what it holds.
class ExamSession {
public:
    explicit ExamSession(ExamKind kind);

    // Picks the first card. A systematic kind with 10 cards or fewer is refused with its error;
    // a random kind with 3 cards or fewer shows its error and has no card.
    void start();

    // One answer: judges the current card (true = right; the judge may ask the user), changes
    // the card by the result and picks the following card. Nothing happens without a card.
    void nextCard(const std::function<bool(Card& card)>& judge);

    ExamKind kind() const { return kind_; }
    Card* currentCard() const { return current_; }
    // The slot position of the card on display (in order), the number of answers given
    // (systematic) or 0 (random).
    int position() const { return position_; }
    // Refused at the start: the window closes without the end-of-list notice.
    bool refused() const { return refused_; }
    const ReviewQueue& queue() const { return queue_; }
    // Asked, right and wrong in this examination, and the cards still to ask: for the in-order
    // kinds the card shown and those behind it, for the systematic kinds the cards of the queue
    // not asked yet; none for the random kinds.
    ExamTally tally() const;

private:
    void pickInOrderFrom(int position);
    void judgeAndApply(const std::function<bool(Card& card)>& judge, int32_t position);

    ExamKind kind_;
    PickOrder order_;
    Card* current_ = nullptr;
    int position_ = 0;
    bool refused_ = false;
    ReviewQueue queue_;
    ExamTally tally_;
    std::unordered_set<const Card*> askedCards_;
};
