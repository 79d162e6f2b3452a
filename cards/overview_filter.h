#pragma once

#include "store/card_list.h"
#include "store/sort_cards.h"

#include <optional>

// Which cards the overview shows; the numbers are those of its six radio buttons.
enum class OverviewFilter {
    AllCards = 0,
    KnownCards = 1,
    UnknownCards = 2,
    WrongCards = 3,
    LessonCards = 4,
    LevelCards = 5
};

// The overview's own lists: they hold references to the cards of the program-wide lists.
struct OverviewLists {
    CardList allCards;
    CardList lessonCards;
    CardList levelCards;
};

// The list a filter shows: the program-wide list itself for known, unknown and wrong cards.
CardList& listOfFilter(OverviewFilter filter, OverviewLists& own);

// Rebuilds "All cards" (the main list, then the known list) and "Cards on level:" (main list only).
void fillAllCards(OverviewLists& own);
void fillLevelCards(OverviewLists& own, int32_t level);

// The overview's columns and the key each sorts by; "Add. Information" sorts nothing.
enum OverviewColumn {
    QuestionColumn,
    AnswerColumn,
    InfoColumn,
    LessonColumn,
    IdColumn,
    LevelColumn,
    OverviewColumnCount
};
std::optional<SortKey> sortKeyOfColumn(int column);

// Sorts the list the filter shows by the column. For known, unknown and wrong cards the
// program-wide list itself takes the new order, so examinations and saving follow it. A column
// that sorts nothing ("Add. Information") still has the lists checked; false is returned then.
bool sortShownList(OverviewFilter filter, OverviewLists& own, int column);

// Which of the eight level pictures a card shows: the dark red diamond for a new card (level 0),
// the light green one at level 4, the plain square from level 5; levels -1 to -3 show pictures 5
// to 7, which have no diamond. A level below -3 (files may hold any level) shows picture 7.
int levelPicture(int32_t level);
