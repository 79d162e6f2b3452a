#pragma once

#include "store/card_list.h"
#include "store/large_memory.h"

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
// list holds then. It never grows or shrinks: every answered card goes back into it. Beside the
// links it keeps the order as a balanced tree counting its nodes, so that moving a card back by
// any distance takes logarithmic time, also on a million cards.
class ReviewQueue {
public:
    ReviewQueue() = default;
    explicit ReviewQueue(LargeVector<ReviewNode> nodes);
    // The links point into the node storage: moving keeps it, copying would not.
    ReviewQueue(const ReviewQueue&) = delete;
    ReviewQueue& operator=(const ReviewQueue&) = delete;
    ReviewQueue(ReviewQueue&&) = default;
    ReviewQueue& operator=(ReviewQueue&&) = default;

    ReviewNode* head() const { return head_; }
    // For re-linking by hand (moveHeadBack): the tree then no longer follows the links, so such a
    // queue is not requeued afterwards.
    void setHead(ReviewNode* head) { head_ = head; }
    int size() const { return static_cast<int>(nodes_.size()); }

    // Moves the head node back by the distance its card has earned (requeueDistance) and makes
    // its former successor the head: the same order as moveHeadBack gives, in O(log n).
    void requeueHead();

private:
    struct Branch {
        int left = -1;
        int right = -1;
        int size = 1;
        uint32_t weight = 0; // a parent's weight is above its children's
    };
    void buildTree();
    int sizeOf(int t) const { return t < 0 ? 0 : tree_[static_cast<std::size_t>(t)].size; }
    void update(int t);
    void split(int t, int k, int& front, int& back);
    int merge(int front, int back);
    int last(int t) const;

    LargeVector<ReviewNode> nodes_;
    LargeVector<Branch> tree_; // one per node, same index
    int root_ = -1;
    ReviewNode* head_ = nullptr;
};

// 32767 - (32767 / T) * level - (r / T) with T the known threshold and r a random number from 0
// to 32767: the cards come level by level, lowest first, shuffled within a level. A threshold
// below 1 counts as 1, so the order still goes by level.
int32_t reviewPriority(int32_t level, int32_t threshold, int r);

// One node per card of the list, ordered by start priority, highest first; of equal priorities
// the card that stood later in the list comes first.
ReviewQueue buildReviewQueue(const CardList& list);

// The distance a card moves back in a queue of n nodes: a card answered wrong comes back soon
// (the 5th card when it was never right, the 10th after one right answer, else after a fifth of
// the queue); a card answered right goes further back the longer it has not been wrong.
int requeueDistance(const Card& card, int n);

// Links the head in behind the node d-1 links after it, so that, counted from the head's former
// successor, the card is the d-th; d = n puts it at the end. Nothing happens for d < 2.
void moveHeadBack(ReviewNode* head, int d);
