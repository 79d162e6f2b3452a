#include "exam/review_queue.h"

#include "exam/random_number.h"
#include "store/preferences.h"

#include <algorithm>
#include <limits>
#include <utility>

ReviewQueue::ReviewQueue(LargeVector<ReviewNode> nodes) : nodes_(std::move(nodes)) {
    if (!nodes_.empty())
        head_ = &nodes_.front();
    buildTree();
}

// The tree over the nodes in queue order, built in one pass: each node goes in as the rightmost,
// and climbs over the nodes of lower weight, which become its left subtree. A node that leaves
// the right spine gets nothing more below it, so its size is counted then. The weights come from
// a generator of their own, so the examination's random numbers stay as they were.
void ReviewQueue::buildTree() {
    tree_.assign(nodes_.size(), Branch{});
    uint32_t state = 2463534242u;
    std::vector<int> rightSpine;
    auto leaveSpine = [&] {
        int t = rightSpine.back();
        rightSpine.pop_back();
        update(t);
        return t;
    };
    for (int i = 0; i < static_cast<int>(tree_.size()); ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        tree_[static_cast<std::size_t>(i)].weight = state;
        int lastPopped = -1;
        while (!rightSpine.empty() &&
               tree_[static_cast<std::size_t>(rightSpine.back())].weight < state)
            lastPopped = leaveSpine();
        tree_[static_cast<std::size_t>(i)].left = lastPopped;
        if (!rightSpine.empty())
            tree_[static_cast<std::size_t>(rightSpine.back())].right = i;
        rightSpine.push_back(i);
    }
    root_ = rightSpine.empty() ? -1 : rightSpine.front();
    while (!rightSpine.empty())
        leaveSpine();
}

void ReviewQueue::update(int t) {
    Branch& b = tree_[static_cast<std::size_t>(t)];
    b.size = 1 + sizeOf(b.left) + sizeOf(b.right);
}

// Cuts the tree t into its first k nodes and the rest.
void ReviewQueue::split(int t, int k, int& front, int& back) {
    if (t < 0) {
        front = back = -1;
        return;
    }
    Branch& b = tree_[static_cast<std::size_t>(t)];
    if (k <= sizeOf(b.left)) {
        split(b.left, k, front, b.left);
        back = t;
    } else {
        split(b.right, k - sizeOf(b.left) - 1, b.right, back);
        front = t;
    }
    update(t);
}

int ReviewQueue::merge(int front, int back) {
    if (front < 0)
        return back;
    if (back < 0)
        return front;
    Branch& f = tree_[static_cast<std::size_t>(front)];
    Branch& b = tree_[static_cast<std::size_t>(back)];
    if (f.weight > b.weight) {
        f.right = merge(f.right, back);
        update(front);
        return front;
    }
    b.left = merge(front, b.left);
    update(back);
    return back;
}

int ReviewQueue::last(int t) const {
    while (tree_[static_cast<std::size_t>(t)].right >= 0)
        t = tree_[static_cast<std::size_t>(t)].right;
    return t;
}

void ReviewQueue::requeueHead() {
    ReviewNode* head = head_;
    ReviewNode* successor = head ? head->next : nullptr;
    if (!successor)
        return;
    int n = size();
    int d = requeueDistance(*head->card, n);
    int first = -1;
    int rest = -1;
    split(root_, 1, first, rest);
    head_ = successor;
    if (d < 2) {
        // As moveHeadBack: the links stay, and the queue goes on from the successor.
        root_ = rest;
        return;
    }
    // Counted from the successor, the card becomes the d-th, or the last.
    int before = -1;
    int after = -1;
    split(rest, std::min(d - 1, n - 1), before, after);
    ReviewNode* x = &nodes_[static_cast<std::size_t>(last(before))];
    root_ = merge(merge(before, first), after);
    successor->previous = nullptr;
    head->previous = x;
    head->next = x->next;
    if (x->next)
        x->next->previous = head;
    x->next = head;
}

int32_t reviewPriority(int32_t level, int32_t threshold, int r) {
    int64_t t = threshold < 1 ? 1 : threshold;
    int64_t priority = 32767 - (32767 / t) * level - (r / t);
    // A level far out of the usual range must not wrap round to the other end of the order.
    priority = std::clamp<int64_t>(priority, std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(priority);
}

namespace {

// Sorts the numbers into descending order, a byte at a time from the lowest (a radix sort: on a
// million cards far quicker than comparing). Bytes in which all numbers agree cost no pass.
void sortDescending(LargeVector<uint64_t>& keys) {
    std::size_t counts[8][256] = {};
    for (uint64_t key : keys)
        for (int digit = 0; digit < 8; ++digit)
            ++counts[digit][~key >> (8 * digit) & 0xFF];
    LargeVector<uint64_t> other(keys.size());
    for (int digit = 0; digit < 8; ++digit) {
        std::size_t* count = counts[digit];
        if (std::find(count, count + 256, keys.size()) != count + 256)
            continue; // one value of this byte for all
        std::size_t at = 0;
        for (int value = 0; value < 256; ++value)
            at += std::exchange(count[value], at);
        for (uint64_t key : keys)
            other[count[~key >> (8 * digit) & 0xFF]++] = key;
        keys.swap(other);
    }
}

} // namespace

ReviewQueue buildReviewQueue(const CardList& list) {
    // Highest priority first, and among equals the card later in the list first: the priority
    // (made unsigned in its order) above the card's slot, in one number.
    LargeVector<uint64_t> keys;
    keys.reserve(static_cast<std::size_t>(list.size()));
    for (int slot = 0; slot < list.slotCount(); ++slot) {
        if (const Card* card = list.slot(slot)) {
            int32_t priority =
                reviewPriority(card->level, preferences.knownThreshold, randomNumber());
            keys.push_back(uint64_t{static_cast<uint32_t>(priority) ^ 0x80000000u} << 32 |
                           static_cast<uint32_t>(slot));
        }
    }
    sortDescending(keys);

    LargeVector<ReviewNode> nodes(keys.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].card = list.slot(static_cast<int>(keys[i] & 0xFFFFFFFFu));
        nodes[i].reviewPriority = static_cast<int32_t>((keys[i] >> 32) ^ 0x80000000u);
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
