#pragma once

#include "store/card_list.h"

// The nine kinds of examination: the list each draws from and the way it picks the next card.
enum class ExamKind {
    InOrder,
    WrongWords,
    LevelInOrder,
    LessonInOrder,
    KnownWords,
    Random,
    LessonRandom,
    Systematic,
    LessonSystematic,
};
constexpr int kExamKindCount = static_cast<int>(ExamKind::LessonSystematic) + 1;

enum class PickOrder { InOrder, Random, Systematic };

// What sets one kind's window apart from another's.
struct ExamKindInfo {
    int titleText; // number of the window title in the string table
    int commandId; // the command that starts it, grayed while it is open
    int buttonId;  // its main-window button, 0 for none
    PickOrder order;
};

const ExamKindInfo& examKindInfo(ExamKind kind);
// The list the kind draws from, as it is now (the systematic examination of the whole list uses
// currentList).
CardList& examSource(ExamKind kind);
