#pragma once

// Control ids of the examination's windows; each control's object name is its id.
namespace examctl {

// The lesson and level choosers.
namespace chooser {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int LevelField = 1012;
constexpr int LessonList = 1046;
} // namespace chooser

// The question whether a card answered right often enough goes to the known cards.
namespace known {
constexpr int KeepIt = 1;
constexpr int KnownCards = 2;
} // namespace known

// The examination window.
namespace window {
constexpr int Ok = 3;
constexpr int Close = 4;
constexpr int CardId = 1004;
constexpr int Question = 1005;
constexpr int Answer = 1006;
constexpr int AdditionalInfo = 1007;
constexpr int Lesson = 1008;
constexpr int EditCard = 1009;
constexpr int Level = 1012;
} // namespace window

// The answer check: the typed answer differs from the stored one.
namespace check {
constexpr int No = 2;
constexpr int Yes = 3;
constexpr int AddMyAnswer = 2000;
constexpr int ReplaceAnswer = 2001;
constexpr int Lesson = 1004;
constexpr int Question = 1005;
constexpr int TypedAnswer = 1006;
constexpr int StoredAnswer = 1007;
constexpr int CardId = 1008;
constexpr int Level = 1012;
} // namespace check

} // namespace examctl
