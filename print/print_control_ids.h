#pragma once

// Control ids of the print selection window; each control's object name is its id.
namespace printctl {
constexpr int Print = 1;
constexpr int Cancel = 2;
constexpr int LessonField = 1004;
constexpr int LevelField = 1012;
constexpr int AllCards = 1031;
constexpr int LevelCards = 1032;
constexpr int LessonCards = 1033;
constexpr int WrongCards = 1034;
constexpr int KnownCards = 1035;
} // namespace printctl
