#include "store/sort_cards.h"

#include "store/card_store.h"
#include "store/cp1252.h"
#include "store/large_memory.h"
#include "store/notices.h"
#include "store/utf8.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <memory_resource>
#include <new>
#include <numeric>
#include <span>
#include <vector>

namespace {

int compareText(std::string_view a, std::string_view b) {
    return compareStoredText(a, b);
}

int compareNumber(int32_t a, int32_t b) {
    return (a > b) - (a < b);
}

// The key chain without the repair: 0 when the two cards agree in every step, the id included
// (or, without it, in every step before the id).
int compareChain(const Card* a, const Card* b, SortKey key, bool withId = true) {
    int c = 0;
    switch (key) {
    case SortKey::byQuestion:
        c = compareText(a->question(), b->question());
        return c ? c : compareChain(a, b, SortKey::byAnswer, withId);
    case SortKey::byAnswer:
        c = compareText(a->answer(), b->answer());
        return c ? c : compareChain(a, b, SortKey::byId, withId);
    case SortKey::byLevel:
        c = compareNumber(a->level, b->level);
        return c ? c : compareChain(a, b, SortKey::byQuestion, withId);
    case SortKey::byLesson:
        c = compareText(a->lesson(), b->lesson());
        return c ? c : compareChain(a, b, SortKey::byQuestion, withId);
    default:
        return withId ? compareNumber(a->id, b->id) : 0;
    }
}

} // namespace

int compareCards(Card* a, const Card* b, SortKey key) {
    int c = compareChain(a, b, key);
    if (c)
        return c;
    // A card whose id is already taken gets a fresh one and goes before.
    a->id = nextCardId++;
    return -1;
}

namespace {

struct Node {
    Card* card;
    int before = -1;
    int after = -1;
};

void checkTree(const std::vector<Node>& nodes) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        if (!cardIsValid(*n.card) || n.before == static_cast<int>(i) ||
            n.after == static_cast<int>(i))
            fatalError(38);
    }
}

// The unbalanced tree, built in list order; equal or greater cards go after.
class Tree {
public:
    void insert(Card* card, SortKey key) {
        int index = static_cast<int>(nodes_.size());
        nodes_.push_back(Node{card});
        if (index == 0)
            return;
        int at = 0;
        for (;;) {
            Node& node = nodes_[static_cast<std::size_t>(at)];
            if (node.card == card)
                fatalError(172);
            int& link = compareCards(card, node.card, key) < 0 ? node.before : node.after;
            if (link < 0) {
                link = index;
                return;
            }
            at = link;
        }
    }

    // Its cards in order, appended to order.
    void walk(std::vector<Card*>& order) const {
        checkTree(nodes_);
        std::vector<int> stack;
        int at = nodes_.empty() ? -1 : 0;
        while (at >= 0 || !stack.empty()) {
            while (at >= 0) {
                stack.push_back(at);
                at = nodes_[static_cast<std::size_t>(at)].before;
            }
            at = stack.back();
            stack.pop_back();
            order.push_back(nodes_[static_cast<std::size_t>(at)].card);
            at = nodes_[static_cast<std::size_t>(at)].after;
        }
    }

private:
    std::vector<Node> nodes_;
};

// The start of a card's whole key chain as sixteen bytes that order as the chain does wherever
// two cards' bytes differ: each text as its characters' Windows-1252 bytes (their ranks) and a 0
// for its end (no text holds a NUL, so a shorter text goes first), each number as four bytes,
// highest first, with the sign flipped so that negative numbers go first. From the first
// character without a Windows-1252 byte on, every byte is 0xFF: such characters rank above every
// byte, and 0xFF itself is shared with them, so equal bytes say nothing and the cards themselves
// are compared.
class ChainKey {
public:
    void text(std::string_view text) {
        for (std::size_t at = 0; at < text.size() && !full();) {
            auto lead = static_cast<unsigned char>(text[at]);
            if (lead < 0x80) {
                put(lead);
                ++at;
                continue;
            }
            int ranked = cp1252ByteOf(nextCodePoint(text, at));
            if (ranked < 0) {
                stop();
                return;
            }
            put(static_cast<unsigned>(ranked));
        }
        put(0);
    }
    void number(int32_t value) {
        uint32_t biased = static_cast<uint32_t>(value) ^ 0x80000000u;
        for (int shift = 24; shift >= 0; shift -= 8)
            put(biased >> shift & 0xFF);
    }
    bool full() const { return used_ == 16; }
    uint64_t high() const { return words_[0]; }
    uint64_t low() const { return words_[1]; }

private:
    void put(unsigned byte) {
        if (full())
            return;
        uint64_t& word = words_[used_ / 8];
        word |= uint64_t{byte} << (8 * (7 - used_ % 8));
        ++used_;
    }
    void stop() {
        while (!full())
            put(0xFF);
    }

    uint64_t words_[2] = {0, 0};
    int used_ = 0;
};

// The key chain from the given step on, as far as the sixteen bytes reach.
void addChain(ChainKey& chain, const Card* card, SortKey key) {
    SortKey next = SortKey::byId;
    switch (key) {
    case SortKey::byQuestion:
        chain.text(card->question());
        next = SortKey::byAnswer;
        break;
    case SortKey::byAnswer:
        chain.text(card->answer());
        break;
    case SortKey::byLevel:
        chain.number(card->level);
        next = SortKey::byQuestion;
        break;
    case SortKey::byLesson:
        chain.text(card->lesson());
        next = SortKey::byQuestion;
        break;
    default:
        chain.number(card->id);
        return;
    }
    if (!chain.full())
        addChain(chain, card, next);
}

struct Keyed {
    uint64_t high;
    uint64_t low;
    Card* card;
};

Keyed keyedCard(Card* card, SortKey key) {
    ChainKey chain;
    addChain(chain, card, key);
    return {chain.high(), chain.low(), card};
}

// Whether two cards agree in the whole chain, the id included: cards that do have the same key,
// so most pairs are told apart without reaching the cards.
bool agreeInChain(const Keyed& a, const Keyed& b, SortKey key) {
    return a.high == b.high && a.low == b.low && compareChain(a.card, b.card, key) == 0;
}

// The tree's order when some cards agree in the whole chain. Cards that agree in every step
// before the id form a group: between groups every comparison is the plain order, so each group
// sits together in the tree, in the groups' order, and within a group only its own cards meet
// (the first of a group to be placed lies on every later one's path, and so on down). A group
// whose cards share an id is therefore ordered by a tree of its own, built in list order; the
// groups' trees are built together, card by card in list order, so that the fresh ids of the
// repairs are handed out in the same order as in one tree. Any other group is in plain order.
std::vector<Card*> orderSharingIds(const CardList& list, const LargeVector<Keyed>& keyed,
                                   SortKey key) {
    std::vector<Card*> cards = list.cards();
    // The groups that need a tree, each a run of keyed.
    struct Group {
        std::size_t first, end;
        Tree tree;
    };
    std::vector<Group> groups;
    std::vector<Card*> groupCards;
    std::vector<int> groupOf;
    // A group is found from two neighbours that share an id: the cards around them that agree
    // before the id. Only their cards are reached.
    auto agreeBeforeId = [key](const Keyed& a, const Keyed& b) {
        return compareChain(a.card, b.card, key, false) == 0;
    };
    for (std::size_t at = 0, groupsEnd = 0; at + 1 < keyed.size(); ++at) {
        const Keyed& a = keyed[at];
        if (!agreeInChain(a, keyed[at + 1], key))
            continue;
        std::size_t first = at;
        while (first > groupsEnd && agreeBeforeId(keyed[first - 1], a))
            --first;
        std::size_t end = at + 2;
        while (end < keyed.size() && agreeBeforeId(a, keyed[end]))
            ++end;
        for (std::size_t i = first; i < end; ++i) {
            groupCards.push_back(keyed[i].card);
            groupOf.push_back(static_cast<int>(groups.size()));
        }
        groups.push_back({first, end, Tree()});
        groupsEnd = end;
        at = end - 1;
    }
    // A group's cards in list order: the list's cards looked up among them.
    std::vector<std::size_t> byAddress(groupCards.size());
    for (std::size_t i = 0; i < byAddress.size(); ++i)
        byAddress[i] = i;
    std::sort(byAddress.begin(), byAddress.end(),
              [&](std::size_t a, std::size_t b) { return groupCards[a] < groupCards[b]; });
    for (Card* card : cards) {
        auto found = std::lower_bound(byAddress.begin(), byAddress.end(), card,
                                      [&](std::size_t i, Card* c) { return groupCards[i] < c; });
        if (found != byAddress.end() && groupCards[*found] == card)
            groups[static_cast<std::size_t>(groupOf[*found])].tree.insert(card, key);
    }
    std::vector<Card*> order;
    order.reserve(keyed.size());
    std::size_t at = 0;
    for (const Group& group : groups) {
        for (; at < group.first; ++at)
            order.push_back(keyed[at].card);
        group.tree.walk(order);
        at = group.end;
    }
    for (; at < keyed.size(); ++at)
        order.push_back(keyed[at].card);
    return order;
}

// Memory for a pool from large_memory: its large pieces in large pages.
class LargePieces : public std::pmr::memory_resource {
    void* do_allocate(std::size_t bytes, std::size_t) override {
        void* memory = large_memory::allocate(bytes);
        if (!memory)
            throw std::bad_alloc();
        return memory;
    }
    void do_deallocate(void* memory, std::size_t bytes, std::size_t) override {
        large_memory::release(memory, bytes);
    }
    bool do_is_equal(const memory_resource& other) const noexcept override {
        return this == &other;
    }
};

// The tree by id, built without walking down the whole of it. A card that has not been given a
// fresh id compares with every card on its path as with the card's place in the tree's order:
// its id, or, for a card with a fresh id, that id held within the span between the places
// before and after it when it was placed (a fresh id beyond the span stands at its end, as
// every later card that reaches it compares with it). So such a card finds its place by search:
// a card with its id lies on its path, and otherwise it hangs below the later placed of the
// places before and after it. A card with a fresh id compares with a card by its id as well,
// but every earlier fresh id is below its own: it walks down the tree itself, from the card that
// gave it its fresh id. A place is a row of numbers compared in turn, a row first before its
// longer rows: an id v is (v), and a place at a span's end is made next to the place at that
// end, beyond every id and place between them.
class IdTree {
public:
    explicit IdTree(std::size_t cards) { nodes_.reserve(cards); }

    void insert(Card* card) {
        std::size_t index = nodes_.size();
        nodes_.push_back({card});
        const int64_t id = card->id;
        const std::span<const int64_t> idPlace(&id, 1);
        auto taken = places_.find(idPlace);
        if (taken == places_.end()) {
            auto after = places_.lower_bound(idPlace);
            hangBetween(index, after, Place({id}, &pool_));
            return;
        }
        walkFrom(index, taken->second);
    }

    std::vector<Card*> order() const {
        std::vector<Card*> cards;
        cards.reserve(nodes_.size());
        for (const auto& place : places_)
            cards.push_back(nodes_[place.second].card);
        return cards;
    }

private:
    using Place = std::pmr::vector<int64_t>;
    // Rows compared in turn, also with a row that is only looked for (no copy made for it).
    struct RowOrder {
        using is_transparent = void;
        template <class A, class B> bool operator()(const A& a, const B& b) const {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
        }
    };
    using Places = std::pmr::map<Place, std::size_t, RowOrder>;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Node {
        Card* card;
        std::size_t before = kNone, after = kNone;
        Places::iterator place{};
    };

    // A card given a fresh id at the node `at` walks on in its left subtree.
    void walkFrom(std::size_t index, std::size_t at) {
        Card* card = nodes_[index].card;
        for (;;) {
            Node& node = nodes_[at];
            if (node.card == card)
                fatalError(172);
            bool before = compareCards(card, node.card, SortKey::byId) < 0;
            std::size_t& link = before ? node.before : node.after;
            if (link == kNone) {
                link = index;
                auto after = before ? node.place : std::next(node.place);
                nodes_[index].place =
                    places_.emplace_hint(after, spanPlace(after, card->id), index);
                return;
            }
            at = link;
        }
    }

    // A card that compares as its place with every card on its path hangs below the later placed
    // of its neighbours in the order.
    void hangBetween(std::size_t index, Places::iterator after, Place place) {
        if (!places_.empty()) {
            std::size_t previous = after == places_.begin() ? kNone : std::prev(after)->second;
            std::size_t next = after == places_.end() ? kNone : after->second;
            if (next == kNone || (previous != kNone && previous > next))
                nodes_[previous].after = index;
            else
                nodes_[next].before = index;
        }
        nodes_[index].place = places_.emplace_hint(after, std::move(place), index);
    }

    // The place of a fresh id between the places around `after`: the id itself within the span,
    // else next to the end it passed.
    Place spanPlace(Places::iterator after, int32_t id) {
        Place place({id}, &pool_);
        if (after != places_.end() && !(place < after->first)) {
            place = after->first; // just below it: its last number one less, then the highest
            --place.back();
            place.push_back(INT64_MAX);
            place.push_back(++count_);
        } else if (after != places_.begin() && !(std::prev(after)->first < place)) {
            place = std::prev(after)->first; // just above it
            place.push_back(INT64_MIN);
            place.push_back(-++count_);
        }
        return place;
    }

    // The places and their rows, a few for each card, come from one pool in large pieces,
    // given back all at once: a million of them one by one from the heap cost more than the
    // sort itself.
    LargePieces pieces_;
    std::pmr::monotonic_buffer_resource pool_{&pieces_};
    std::vector<Node> nodes_;
    Places places_{&pool_};
    int64_t count_ = 0;
};

// The tree's order by id when ids are shared. While every fresh id is above every id in the
// list, a card whose id is taken meets the first card placed with that id, gets a fresh id and
// goes before it, after any card that did so earlier: each id's cards stand in list order with
// the first of them moved last, and the fresh ids go out in list order. Otherwise the tree
// itself decides.
std::vector<Card*> orderByIdSharingIds(const CardList& list) {
    std::vector<Card*> cards = list.cards();
    int32_t highest = INT32_MIN;
    for (Card* card : cards)
        highest = std::max(highest, card->id);
    if (nextCardId <= highest) {
        IdTree tree(cards.size());
        for (Card* card : cards)
            tree.insert(card);
        return tree.order();
    }
    // The list's places in order of id, each id's places in list order.
    std::vector<std::size_t> places(cards.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    std::stable_sort(places.begin(), places.end(),
                     [&](std::size_t a, std::size_t b) { return cards[a]->id < cards[b]->id; });
    std::vector<std::size_t> repaired; // the places of the cards that get fresh ids
    for (std::size_t first = 0; first < places.size();) {
        std::size_t end = first + 1;
        while (end < places.size() && cards[places[end]]->id == cards[places[first]]->id)
            ++end;
        if (end - first > 1) {
            // A card twice in the list would be compared with itself.
            std::vector<Card*> same;
            for (std::size_t i = first; i < end; ++i)
                same.push_back(cards[places[i]]);
            std::sort(same.begin(), same.end());
            if (std::adjacent_find(same.begin(), same.end()) != same.end())
                fatalError(172);
            repaired.insert(repaired.end(), places.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                            places.begin() + static_cast<std::ptrdiff_t>(end));
            std::rotate(places.begin() + static_cast<std::ptrdiff_t>(first),
                        places.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                        places.begin() + static_cast<std::ptrdiff_t>(end));
        }
        first = end;
    }
    std::sort(repaired.begin(), repaired.end());
    for (std::size_t place : repaired)
        cards[place]->id = nextCardId++;
    std::vector<Card*> order;
    order.reserve(places.size());
    for (std::size_t place : places)
        order.push_back(cards[place]);
    return order;
}

} // namespace

CardList sortCards(CardList& list, SortKey key) {
    if (countCards(list, 0) == 0) {
        showError(174);
        return std::move(list);
    }
    validateCards(list);
    return sortCheckedCards(list, key);
}

CardList sortCheckedCards(CardList& list, SortKey key) {
    if (countCards(list, 0) == 0) {
        showError(174);
        return std::move(list);
    }
    // When no two cards agree in the whole key chain, id included, no comparison reaches the id
    // repair and the chain is a strict order: the tree's order is then the plain ascending
    // order, found without the tree's square cost on a list that is already sorted. Only cards
    // that agree in every step (a shared id among them) need the tree's own order, found for
    // them alone. Each card carries a number from the start of its key chain, so most
    // comparisons never reach the card itself.
    LargeVector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(list.size()));
    list.forEach([&](Card* card) { keyed.push_back(keyedCard(card, key)); });
    std::sort(keyed.begin(), keyed.end(), [key](const Keyed& a, const Keyed& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return compareChain(a.card, b.card, key) < 0;
    });
    auto agree = [key](const Keyed& a, const Keyed& b) { return agreeInChain(a, b, key); };
    std::vector<Card*> order;
    order.reserve(keyed.size());
    if (std::adjacent_find(keyed.begin(), keyed.end(), agree) == keyed.end()) {
        for (const Keyed& k : keyed)
            order.push_back(k.card);
    } else if (key != SortKey::byId) {
        order = orderSharingIds(list, keyed, key);
    } else {
        order = orderByIdSharingIds(list);
    }
    releaseBlocks(list);
    CardList sorted;
    sorted.reserve(order.size());
    for (Card* card : order)
        appendCard(sorted, card);
    return sorted;
}

void exchangeQuestionAnswer(CardList& list) {
    list.forEach([](Card* c) {
        // Both limits are 100 characters: nothing is cut.
        assignTexts(*c, c->answer(), c->question(), c->lesson(), c->additionalInfo());
    });
}
