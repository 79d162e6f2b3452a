#pragma once

#include "store/card_list.h"

#include <cstdint>

// The program-wide lists and values. A card is owned by exactly one of mainList and knownList;
// every other list holds shared references and never deletes a card.
extern CardList mainList;
extern CardList knownList;
extern CardList wrongList;
extern CardList levelList;
extern CardList lessonList;
extern CardList* currentList; // the list the in-order, random and systematic examinations use
extern int32_t nextCardId;
extern int modifiedFlag;

// Keeps a card that was taken out of its list for good (deleted by the user) alive until the
// list is closed, so that every window or queue still referring to it stays safe.
void retireCard(Card* card);
// Frees the retired cards. Called when the list is closed and when the program ends.
void freeRetiredCards();
int retiredCardCount();

// Closing a list: deletes the cards of mainList and knownList and the retired cards, empties all
// five lists, nextCardId = 0, modifiedFlag = 0, currentList = mainList. Windows are not touched.
void resetCardStore();
