#include "store/card.h"

#include "store/card_store.h"
#include "store/notices.h"

#include <new>

Card* makeCard() {
    Card* card = new (std::nothrow) Card{};
    if (!card)
        fatalError(125);
    card->level = 0;
    card->id = nextCardId++;
    assignText(card->lesson, "-");
    assignText(card->additionalInfo, "-");
    modifiedFlag = 1;
    return card;
}

bool cardIsValid(const Card& card) {
    return strnlen(card.question, sizeof card.question) <= kQuestionLimit &&
           strnlen(card.answer, sizeof card.answer) <= kAnswerLimit &&
           strnlen(card.lesson, sizeof card.lesson) <= kLessonLimit;
}
