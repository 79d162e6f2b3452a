#include "store/card_store.h"

#include <vector>

CardList mainList;
CardList knownList;
CardList wrongList;
CardList levelList;
CardList lessonList;
CardList* currentList = &mainList;
int32_t nextCardId = 0;
int modifiedFlag = 0;

namespace {
std::vector<Card*>& retired() {
    static std::vector<Card*> cards;
    return cards;
}
} // namespace

void retireCard(Card* card) {
    if (card)
        retired().push_back(card);
}

void freeRetiredCards() {
    for (Card* card : retired())
        delete card;
    retired().clear();
}

int retiredCardCount() {
    return static_cast<int>(retired().size());
}

void resetCardStore() {
    deleteAllCards(mainList);
    deleteAllCards(knownList);
    freeRetiredCards();
    for (CardList* list : {&mainList, &knownList, &wrongList, &levelList, &lessonList}) {
        releaseBlocks(*list);
        clearList(*list);
    }
    currentList = &mainList;
    nextCardId = 0;
    modifiedFlag = 0;
}
