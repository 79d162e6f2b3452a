#pragma once

#include "store/card_list.h"

#include <cstdint>
#include <vector>

// One place in the order of a systematic examination. The node refers to its card and never
// owns it.
struct ReviewNode {
    Card* card = nullptr;
    ReviewNode* next = nullptr;
    ReviewNode* previous = nullptr;
    int32_t reviewPriority = 0; // start priority, used once for the first ordering
};

// The order of the cards of a systematic examination, made once at its start from the cards its
// list holds then. It never grows or shrinks: every answered card goes back into it.
class ReviewQueue {
public:
    ReviewQueue() = default;
    explicit ReviewQueue(std::vector<ReviewNode> nodes);
    // The links point into the node storage: moving keeps it, copying would not.
    ReviewQueue(const ReviewQueue&) = delete;
    ReviewQueue& operator=(const ReviewQueue&) = delete;
    ReviewQueue(ReviewQueue&&) = default;
    ReviewQueue& operator=(ReviewQueue&&) = default;

    ReviewNode* head() const { return head_; }
    void setHead(ReviewNode* head) { head_ = head; }
    int size() const { return static_cast<int>(nodes_.size()); }

private:
    std::vector<ReviewNode> nodes_;
    ReviewNode* head_ = nullptr;
};

// 32767 - (32767 / T) * level - (r / T) with T the known threshold and r a random number from 0
// to 32767: the cards come level by level, lowest first, shuffled within a level. A threshold
// below 1 counts as 1, so the order still goes by level.
int32_t reviewPriority(int32_t level, int32_t threshold, int r);

// One node per card of the list, ordered by start priority, highest first; of equal priorities
// the card that stood later in the list comes first.
ReviewQueue buildReviewQueue(const CardList& list);

// Moves the head node back by the distance its card has earned: a card answered wrong comes back
// soon (the 5th card when it was never right, the 10th after one right answer, else after a
// fifth of the queue); a card answered right goes further back the longer it has not been wrong.
// The caller takes the head's former successor as the new head.
void requeueCard(ReviewNode* head);

// The distance requeueCard moves the head's card for a queue of n nodes.
int requeueDistance(const Card& card, int n);

// Links the head in behind the node d-1 links after it, so that, counted from the head's former
// successor, the card is the d-th; d = n puts it at the end. Nothing happens for d < 2.
void moveHeadBack(ReviewNode* head, int d);
