#pragma once

// Numbers of the examination's texts in the string table.
namespace exam::text {
constexpr int NoCardsOpen = 102;
constexpr int EndOfList = 220;
constexpr int TooFewWords = 221;
constexpr int TooFewForSystematic = 222;
constexpr int TooLongToAdd = 223;
constexpr int AlreadyKnown = 224;
constexpr int TooManyMeanings = 225;
constexpr int NoCardsOfLesson = 240;
constexpr int NoCardsOnLevel = 241;

// Window titles of the nine kinds.
constexpr int InOrderTitle = 750;
constexpr int WrongWordsTitle = 751;
constexpr int LevelInOrderTitle = 752;
constexpr int LessonInOrderTitle = 753;
constexpr int KnownWordsTitle = 754;
constexpr int RandomTitle = 755;
constexpr int LessonRandomTitle = 756;
constexpr int SystematicTitle = 757;
constexpr int LessonSystematicTitle = 758;
} // namespace exam::text
