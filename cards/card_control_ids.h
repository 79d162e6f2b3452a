#pragma once

// Control ids of the card windows; each control's object name is its id. OK is 1, Cancel 2.
namespace cardctl {
constexpr int Ok = 1;
constexpr int Close = 2;

// Fields shared by the new-card and change-card windows.
constexpr int Question = 1000;
constexpr int Answer = 1001;
constexpr int AdditionalInfo = 1002;
constexpr int Lesson = 1003;

// Change-card window.
constexpr int CardId = 1010;
constexpr int Level = 1011;
constexpr int SearchId = 1020;
constexpr int SearchQuestion = 1021;
constexpr int SearchAnswer = 1022;
constexpr int DeleteCard = 1023;

// Search dialog: its text field (its "Search" button is OK).
constexpr int SearchText = 1030;

// Overview: the six filter radio buttons are FirstFilter + the filter kind (0 to 5).
constexpr int FirstFilter = 1040;
constexpr int LevelField = 1046;
constexpr int LessonTable = 1047;
constexpr int CardTable = 1048;
constexpr int SearchFor = 1049;
constexpr int RefreshList = 1050;

// Statistics: the ten figures are FirstFigure + their place (0 to 9, see StatisticsDialog).
constexpr int FirstFigure = 1060;
constexpr int Refresh = 1070;
constexpr int Charts = 1071;
} // namespace cardctl
