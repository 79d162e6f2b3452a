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

// The first characters of a text as one number that orders as the texts do wherever two
// numbers differ: a character as its Windows-1252 byte (its rank), the end of the text as 0, and
// from the first character without such a byte on 0xFF (those rank above every byte; 0xFF
// itself is shared with them, so equal numbers say nothing).
uint64_t textPrefix(std::string_view text, int bytes) {
    uint64_t prefix = 0;
    std::size_t at = 0;
    bool stopped = false;
    for (int i = 0; i < bytes; ++i) {
        unsigned byte = 0;
        if (stopped) {
            byte = 0xFF;
        } else if (at < text.size()) {
            auto lead = static_cast<unsigned char>(text[at]);
            int ranked = lead < 0x80 ? lead : cp1252ByteOf(nextCodePoint(text, at));
            at += lead < 0x80 ? 1 : 0;
            stopped = ranked < 0;
            byte = stopped ? 0xFF : static_cast<unsigned>(ranked);
        }
        prefix = prefix << 8 | byte;
    }
    return prefix;
}

uint64_t biased(int32_t number) {
    return static_cast<uint32_t>(number) ^ 0x80000000u;
}

// A number per card that orders as the key chain does wherever two numbers differ.
uint64_t sortPrefix(const Card* card, SortKey key) {
    switch (key) {
    case SortKey::byQuestion:
        return textPrefix(card->question(), 8);
    case SortKey::byAnswer:
        return textPrefix(card->answer(), 8);
    case SortKey::byLevel:
        return biased(card->level) << 32 | textPrefix(card->question(), 4);
    case SortKey::byLesson:
        return textPrefix(card->lesson(), 8);
    default:
        return biased(card->id);
    }
}

struct Keyed {
    uint64_t prefix;
    Card* card;
};

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
    std::vector<Card*> cards = list.cards();
    // When no two cards agree in the whole key chain, id included, no comparison reaches the id
    // repair and the chain is a strict order: the tree's order is then the plain ascending
    // order, found without the tree's square cost on a list that is already sorted. Only cards
    // that agree in every step (a shared id among them) need the tree walk. Each card carries a
    // number from the start of its key, so most comparisons never reach the card itself.
    LargeVector<Keyed> keyed;
    keyed.reserve(cards.size());
    for (Card* card : cards)
        keyed.push_back({sortPrefix(card, key), card});
    std::sort(keyed.begin(), keyed.end(), [key](const Keyed& a, const Keyed& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return compareChain(a.card, b.card, key) < 0;
    });
    auto agree = [key](const Keyed& a, const Keyed& b) {
        return a.prefix == b.prefix && compareChain(a.card, b.card, key) == 0;
    };
    std::vector<Card*> order;
    if (std::adjacent_find(keyed.begin(), keyed.end(), agree) != keyed.end()) {
        order = treeOrder(cards, key);
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
