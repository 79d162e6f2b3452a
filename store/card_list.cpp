#include "store/card_list.h"

#include "store/notices.h"

#include <algorithm>
#include <new>

CardList::CardList() : slots_(kBlockSize, nullptr) {}

CardList::CardList(CardList&& other) noexcept
    : slots_(std::move(other.slots_)), count_(other.count_), firstFree_(other.firstFree_),
      changes_(other.changes_ + 1) {
    other.slots_.assign(kBlockSize, nullptr);
    other.count_ = 0;
    other.firstFree_ = 0;
    ++other.changes_;
}

CardList& CardList::operator=(CardList&& other) noexcept {
    if (this != &other) {
        slots_ = std::move(other.slots_);
        count_ = other.count_;
        firstFree_ = other.firstFree_;
        other.slots_.assign(kBlockSize, nullptr);
        other.count_ = 0;
        other.firstFree_ = 0;
        ++changes_;
        ++other.changes_;
    }
    return *this;
}

std::vector<Card*> CardList::cards() const {
    std::vector<Card*> result;
    result.reserve(static_cast<std::size_t>(count_));
    for (Card* card : slots_) // the cards themselves are not reached: nothing to fetch ahead
        if (card)
            result.push_back(card);
    return result;
}

void CardList::reserve(std::size_t cards) {
    try {
        slots_.reserve(slots_.size() + cards + kBlockSize);
    } catch (const std::bad_alloc&) {
        fatalError(125);
    }
}

int CardList::appendCard(Card* card) {
    std::size_t pos = firstFree_;
    while (pos < slots_.size() && slots_[pos])
        ++pos;
    if (pos == slots_.size()) {
        try {
            slots_.resize(slots_.size() + kBlockSize, nullptr);
        } catch (const std::bad_alloc&) {
            fatalError(125);
        }
    }
    slots_[pos] = card;
    ++count_;
    ++changes_;
    firstFree_ = pos + 1;
    return static_cast<int>(pos % kBlockSize);
}

void CardList::freeSlot(int position) {
    auto pos = static_cast<std::size_t>(position);
    if (!slots_[pos])
        return;
    slots_[pos] = nullptr;
    --count_;
    ++changes_;
    firstFree_ = std::min(firstFree_, pos);
}

int CardList::positionOf(const Card* card) const {
    auto it = std::find(slots_.begin(), slots_.end(), card);
    return it == slots_.end() ? -1 : static_cast<int>(it - slots_.begin());
}

void CardList::releaseBlocks() {
    slots_.resize(kBlockSize);
    slots_.shrink_to_fit();
    count_ = static_cast<int>(
        std::count_if(slots_.begin(), slots_.end(), [](Card* c) { return c != nullptr; }));
    firstFree_ = std::min<std::size_t>(firstFree_, kBlockSize);
    ++changes_;
}

void CardList::clearList() {
    slots_.assign(kBlockSize, nullptr);
    count_ = 0;
    firstFree_ = 0;
    ++changes_;
}

int appendCard(CardList& list, Card* card) {
    return list.appendCard(card);
}

int countCards(const CardList& list, int start) {
    return start + list.size();
}

namespace {

template <class Pred> Card* findFirst(const CardList& list, Pred pred) {
    for (int i = 0; i < list.slotCount(); ++i) {
        Card* card = list.slot(i);
        if (card && pred(*card))
            return card;
    }
    return nullptr;
}

} // namespace

// Ids are compared in all 32 bits: a 16-bit comparison finds another card on large lists.
int containsCardId(const CardList& list, int32_t id) {
    return findCardById(list, id) ? 1 : 0;
}

Card* findCardById(const CardList& list, int32_t id) {
    return findFirst(list, [id](const Card& c) { return c.id == id; });
}

Card* findCardByQuestion(const CardList& list, std::string_view text, int32_t bound) {
    return findFirst(list, [&](const Card& c) { return c.id > bound && text == c.question(); });
}

Card* findCardByAnswer(const CardList& list, std::string_view text, int32_t bound) {
    return findFirst(list, [&](const Card& c) { return c.id > bound && text == c.answer(); });
}

bool removeCardById(CardList& list, int32_t id) {
    for (int i = 0; i < list.slotCount(); ++i) {
        Card* card = list.slot(i);
        if (card && card->id == id) {
            list.freeSlot(i);
            return true;
        }
    }
    return false;
}

bool removeCard(CardList& list, const Card* card) {
    int pos = card ? list.positionOf(card) : -1;
    if (pos < 0)
        return false;
    list.freeSlot(pos);
    return true;
}

void copyCardsByLesson(const CardList& source, CardList& target, std::string_view lesson) {
    source.forEach([&](Card* c) {
        if (lesson == c->lesson())
            target.appendCard(c);
    });
}

void copyCardsByLevel(const CardList& source, CardList& target, int32_t level) {
    source.forEach([&](Card* c) {
        if (c->level == level)
            target.appendCard(c);
    });
}

void appendAllCards(CardList& target, const CardList& source) {
    // Taken first, so that appending a list to itself doubles it rather than running on.
    for (Card* c : source.cards())
        target.appendCard(c);
}

void deleteAllCards(CardList& list) {
    for (int i = 0; i < list.slotCount(); ++i) {
        if (Card* card = list.slot(i)) {
            list.freeSlot(i);
            delete card;
        }
    }
}

void validateCards(const CardList& list) {
    list.forEach([](Card* c) {
        if (!cardIsValid(*c))
            fatalError(173);
    });
}

void releaseBlocks(CardList& list) {
    list.releaseBlocks();
}

void clearList(CardList& list) {
    list.clearList();
}

int addCard(CardList& list, std::string_view question, std::string_view answer,
            std::string_view lesson, std::string_view additionalInfo) {
    Card* card = makeCard();
    assignTexts(*card, question, answer, lesson, additionalInfo);
    return list.appendCard(card);
}
