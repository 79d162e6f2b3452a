#include "store/sort_cards.h"

#include "store/card_store.h"
#include "store/cp1252.h"
#include "store/large_memory.h"
#include "store/notices.h"
#include "store/utf8.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

int compareText(std::string_view a, std::string_view b) {
    return compareStoredText(a, b);
}

int compareNumber(int32_t a, int32_t b) {
    return (a > b) - (a < b);
}

// The key chain without the repair: 0 when the two cards agree in every step, the id included.
int compareChain(const Card* a, const Card* b, SortKey key) {
    int c = 0;
    switch (key) {
    case SortKey::byQuestion:
        c = compareText(a->question(), b->question());
        return c ? c : compareChain(a, b, SortKey::byAnswer);
    case SortKey::byAnswer:
        c = compareText(a->answer(), b->answer());
        return c ? c : compareChain(a, b, SortKey::byId);
    case SortKey::byLevel:
        c = compareNumber(a->level, b->level);
        return c ? c : compareChain(a, b, SortKey::byQuestion);
    case SortKey::byLesson:
        c = compareText(a->lesson(), b->lesson());
        return c ? c : compareChain(a, b, SortKey::byQuestion);
    default:
        return compareNumber(a->id, b->id);
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
std::vector<Card*> treeOrder(const std::vector<Card*>& cards, SortKey key) {
    std::vector<Node> nodes;
    try {
        nodes.reserve(cards.size());
    } catch (const std::bad_alloc&) {
        fatalError(125);
    }
    for (Card* card : cards) {
        int index = static_cast<int>(nodes.size());
        nodes.push_back(Node{card});
        if (index == 0)
            continue;
        int at = 0;
        for (;;) {
            Node& node = nodes[static_cast<std::size_t>(at)];
            if (node.card == card)
                fatalError(172);
            int& link = compareCards(card, node.card, key) < 0 ? node.before : node.after;
            if (link < 0) {
                link = index;
                break;
            }
            at = link;
        }
    }
    checkTree(nodes);

    std::vector<Card*> order;
    order.reserve(nodes.size());
    std::vector<int> stack;
    int at = nodes.empty() ? -1 : 0;
    while (at >= 0 || !stack.empty()) {
        while (at >= 0) {
            stack.push_back(at);
            at = nodes[static_cast<std::size_t>(at)].before;
        }
        at = stack.back();
        stack.pop_back();
        order.push_back(nodes[static_cast<std::size_t>(at)].card);
        at = nodes[static_cast<std::size_t>(at)].after;
    }
    return order;
}

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
    // that agree in every step (a shared id among them) need the tree walk. Each card carries a
    // number from the start of its key chain, so most comparisons never reach the card itself.
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
    auto agree = [key](const Keyed& a, const Keyed& b) {
        return a.high == b.high && a.low == b.low && compareChain(a.card, b.card, key) == 0;
    };
    std::vector<Card*> order;
    if (std::adjacent_find(keyed.begin(), keyed.end(), agree) != keyed.end()) {
        order = treeOrder(list.cards(), key);
    } else {
        order.reserve(keyed.size());
        for (const Keyed& k : keyed)
            order.push_back(k.card);
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
