#pragma once

#include "store/card_list.h"

enum class SortKey { byQuestion = 0, byAnswer = 1, byLevel = 2, byLesson = 3, byId = 4 };

// Compares two cards under the key and its chain of tie-breaks (negative, 0 or positive). Under
// byId two cards with the same id give a a new id from nextCardId and answer -1.
int compareCards(Card* a, const Card* b, SortKey key);

// Re-orders the list by the key: the same cards, without holes, in the order an unbalanced
// sorted tree built in list order gives (equal keys go after). Shows "There are no cards to sort"
// for an empty list and returns it unchanged. Repairs duplicate ids as compareCards does.
CardList sortCards(CardList& list, SortKey key);
// The same, for a caller that has just checked every card of the list (validateCards).
CardList sortCheckedCards(CardList& list, SortKey key);

// Swaps question and answer of every card of the list.
void exchangeQuestionAnswer(CardList& list);
