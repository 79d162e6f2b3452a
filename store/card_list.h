#pragma once

#include "store/card.h"
#include "store/large_memory.h"

#include <cstdint>
#include <string_view>
#include <vector>

// A list of card references in blocks of ten slots. Slot position n is block n/10, slot n%10.
// A removed card leaves a free slot (a hole) that the next append fills; blocks are never given
// back while the list lives. A count and a first-free hint spare append and count the walk.
class CardList {
public:
    static constexpr int kBlockSize = 10;

    CardList();
    CardList(const CardList&) = delete;
    CardList& operator=(const CardList&) = delete;
    CardList(CardList&&) noexcept;
    CardList& operator=(CardList&&) noexcept;

    // Number of slots (a multiple of ten, at least ten) and the card in one (nullptr when free).
    int slotCount() const { return static_cast<int>(slots_.size()); }
    Card* slot(int position) const { return slots_[static_cast<std::size_t>(position)]; }
    int blockCount() const { return slotCount() / kBlockSize; }
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Moves on at every change of the slots (a card added or removed, the list emptied or
    // replaced): whoever keeps something worked out from the list can tell whether it still holds.
    uint64_t changes() const { return changes_; }

    // Calls f(Card*) for every occupied slot in list order. The cards some steps ahead are
    // fetched from memory meanwhile, and their texts a few steps later.
    template <class F> void forEach(F&& f) const {
        Card* const* refs = slots_.data(); // "slots" is a word of Qt's
        const std::size_t count = slots_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (i + kCardsAhead < count && refs[i + kCardsAhead])
                __builtin_prefetch(refs[i + kCardsAhead]);
            if (i + kTextsAhead < count && refs[i + kTextsAhead])
                refs[i + kTextsAhead]->texts.prefetch();
            if (Card* card = refs[i])
                f(card);
        }
    }
    // The occupied slots in list order.
    std::vector<Card*> cards() const;

    // Room for this many cards at the end without growing the slots step by step.
    void reserve(std::size_t cards);

    // Primitive slot operations; the free functions below are the interface the program uses.
    int appendCard(Card* card);
    void freeSlot(int position);
    int positionOf(const Card* card) const;
    void releaseBlocks();
    void clearList();

private:
    static constexpr std::size_t kCardsAhead = 16;
    static constexpr std::size_t kTextsAhead = 8;

    LargeVector<Card*> slots_;
    int count_ = 0;
    std::size_t firstFree_ = 0; // no free slot lies before it
    uint64_t changes_ = 0;
};

int appendCard(CardList& list, Card* card); // slot index 0-9 in the block that received the card
int countCards(const CardList& list, int start = 0);
int containsCardId(const CardList& list, int32_t id);
Card* findCardById(const CardList& list, int32_t id);
Card* findCardByQuestion(const CardList& list, std::string_view text, int32_t bound);
Card* findCardByAnswer(const CardList& list, std::string_view text, int32_t bound);
bool removeCardById(CardList& list, int32_t id);
bool removeCard(CardList& list, const Card* card); // by identity, the first slot holding it
void copyCardsByLesson(const CardList& source, CardList& target, std::string_view lesson);
void copyCardsByLevel(const CardList& source, CardList& target, int32_t level);
void appendAllCards(CardList& target, const CardList& source);
void deleteAllCards(CardList& list);
void validateCards(const CardList& list);
void releaseBlocks(CardList& list);
void clearList(CardList& list);
// Makes a card with the four texts and appends it; returns the slot index as appendCard does.
int addCard(CardList& list, std::string_view question, std::string_view answer,
            std::string_view lesson, std::string_view additionalInfo);
