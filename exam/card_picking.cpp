#include "exam/card_picking.h"

#include "exam/exam_texts.h"
#include "exam/random_number.h"
#include "store/notices.h"

RecentPicks recentPicks;

namespace {

constexpr int kGeneratorRange = 32768;

// The card at index r of the list in list order, free slots not counted.
Card* cardAtIndex(const CardList& list, int r) {
    int seen = 0;
    for (int i = 0; i < list.slotCount(); ++i) {
        Card* card = list.slot(i);
        if (card && seen++ == r)
            return card;
    }
    return nullptr;
}

// One draw from 0 to n-1. The generator gives 15 bits; a list longer than that takes two draws,
// so that every card of a large list can come up.
int drawIndex(int n) {
    if (n <= kGeneratorRange)
        return randomNumber() % n;
    int64_t wide = static_cast<int64_t>(randomNumber()) * kGeneratorRange + randomNumber();
    return static_cast<int>(wide % n);
}

} // namespace

bool RecentPicks::holds(const Card* card) const {
    return entries[0] == card || entries[1] == card || entries[2] == card;
}

void RecentPicks::add(const Card* card) {
    entries[writeIndex] = card;
    writeIndex = (writeIndex + 1) % 3;
}

int occupiedSlotFrom(const CardList& list, int position) {
    if (position < 0)
        position = 0;
    for (int i = position; i < list.slotCount(); ++i)
        if (list.slot(i))
            return i;
    return -1;
}

Card* pickInOrder(const CardList& list, int position) {
    int slot = occupiedSlotFrom(list, position);
    return slot < 0 ? nullptr : list.slot(slot);
}

Card* pickRandom(const CardList& list) {
    for (;;) {
        int n = countCards(list);
        if (n <= 3) {
            showError(exam::text::TooFewWords);
            return nullptr;
        }
        Card* card = cardAtIndex(list, drawIndex(n));
        if (!card || recentPicks.holds(card))
            continue;
        recentPicks.add(card);
        return card;
    }
}
