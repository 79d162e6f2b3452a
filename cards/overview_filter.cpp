#include "cards/overview_filter.h"

#include "store/card_store.h"

CardList& listOfFilter(OverviewFilter filter, OverviewLists& own) {
    switch (filter) {
    case OverviewFilter::AllCards:
        return own.allCards;
    case OverviewFilter::KnownCards:
        return knownList;
    case OverviewFilter::UnknownCards:
        return mainList;
    case OverviewFilter::WrongCards:
        return wrongList;
    case OverviewFilter::LessonCards:
        return own.lessonCards;
    case OverviewFilter::LevelCards:
        break;
    }
    return own.levelCards;
}

void fillAllCards(OverviewLists& own) {
    releaseBlocks(own.allCards);
    clearList(own.allCards);
    appendAllCards(own.allCards, mainList);
    appendAllCards(own.allCards, knownList);
}

void fillLevelCards(OverviewLists& own, int32_t level) {
    releaseBlocks(own.levelCards);
    clearList(own.levelCards);
    validateCards(mainList);
    copyCardsByLevel(mainList, own.levelCards, level);
}

std::optional<SortKey> sortKeyOfColumn(int column) {
    switch (column) {
    case QuestionColumn:
        return SortKey::byQuestion;
    case AnswerColumn:
        return SortKey::byAnswer;
    case LessonColumn:
        return SortKey::byLesson;
    case IdColumn:
        return SortKey::byId;
    case LevelColumn:
        return SortKey::byLevel;
    default:
        return std::nullopt;
    }
}

bool sortShownList(OverviewFilter filter, OverviewLists& own, int column) {
    CardList& shown = listOfFilter(filter, own);
    // Every card of every list here is a card of the main or the known list: one walk over those
    // two (and the wrong list, in case) checks them all, once, before the sort; sorting changes
    // no text.
    validateCards(mainList);
    validateCards(knownList);
    validateCards(wrongList);
    std::optional<SortKey> key = sortKeyOfColumn(column);
    if (key)
        shown = sortCheckedCards(shown, *key);
    return key.has_value();
}

int levelPicture(int32_t level) {
    if (level < -3)
        return 7; // the last picture of the strip
    if (level >= 5)
        return 5;
    return 4 - level;
}
