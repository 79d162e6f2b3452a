#pragma once

#include "store/card_list.h"

// The three cards a random examination picked last, shared by every random examination of the
// run, so that no card comes back before three other picks have passed.
struct RecentPicks {
    const Card* entries[3] = {nullptr, nullptr, nullptr};
    int writeIndex = 0;

    bool holds(const Card* card) const;
    void add(const Card* card);
};
extern RecentPicks recentPicks;

// The slot position of the first occupied slot at or after position (block * 10 + slot), or -1
// when the list ends before one.
int occupiedSlotFrom(const CardList& list, int position);
// The card of that slot, or nullptr.
Card* pickInOrder(const CardList& list, int position);

// A card drawn at random among the cards of the list (holes skipped), never one of recentPicks.
// With 3 cards or fewer: the error "Too few words for a random examination" and nullptr.
Card* pickRandom(const CardList& list);
