#pragma once

// Command ids of the main window's menu and the control ids of its buttons and counters.
namespace cmd {
constexpr int NewList = 40001;
constexpr int OpenList = 40002;
constexpr int CloseList = 40003;
constexpr int SaveList = 32771;
constexpr int SaveListAs = 40004;
constexpr int ExportCards = 40005;
constexpr int ExportQuestions = 40006;
constexpr int ExportAnswers = 40007;
constexpr int ExportForOtherPrograms = 40030;
constexpr int Print = 32775;
constexpr int PrintCards = 32780;
constexpr int Preferences = 40008;
constexpr int Quit = 40009;
constexpr int QuestionFont = 40028;
constexpr int AnswerFont = 40029;
constexpr int SystematicExam = 40019;
constexpr int ExamInOrder = 40016;
constexpr int ExamRandom = 40017;
constexpr int ExamWrongWords = 40018;
constexpr int NewCards = 32776;
constexpr int ModifyCards = 40022;
constexpr int Sort = 40020;
constexpr int ExchangeQA = 40021;
constexpr int Overview = 32777;
constexpr int Statistics = 32779;
constexpr int ExamKnownWords = 32772;
constexpr int ChooseLesson = 40023;
constexpr int LessonInOrder = 40024;
constexpr int LessonRandom = 40025;
constexpr int LessonSystematic = 32773;
constexpr int ChooseLevel = 40026;
constexpr int LevelInOrder = 40027;
constexpr int About = 16;
} // namespace cmd

namespace ctl {
constexpr int SystematicButton = 2015;
constexpr int InOrderButton = 2016;
constexpr int RandomButton = 2017;
constexpr int WrongWordsButton = 2057;
constexpr int NewCardButton = 2058;
constexpr int OverviewButton = 2059;
constexpr int ExchangeButton = 2060;
constexpr int CardCounter = 1018;
constexpr int KnownCounter = 1019;
constexpr int OpenSaveButton = 1010;
constexpr int StartButton = 1009;
} // namespace ctl
