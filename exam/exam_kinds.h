#pragma once

#include "exam/exam_dialog.h"

// The nine kinds of examination. They differ in title, source list and order of picking, which
// ExamSession carries out; the classes name the window of each kind.

class ExamInOrder : public ExamDialog {
    Q_OBJECT
public:
    ExamInOrder() : ExamDialog(ExamKind::InOrder) {}
};

class ExamWrongWords : public ExamDialog {
    Q_OBJECT
public:
    ExamWrongWords() : ExamDialog(ExamKind::WrongWords) {}
};

class ExamLevelInOrder : public ExamDialog {
    Q_OBJECT
public:
    ExamLevelInOrder() : ExamDialog(ExamKind::LevelInOrder) {}
};

class ExamLessonInOrder : public ExamDialog {
    Q_OBJECT
public:
    ExamLessonInOrder() : ExamDialog(ExamKind::LessonInOrder) {}
};

class ExamKnownWords : public ExamDialog {
    Q_OBJECT
public:
    ExamKnownWords() : ExamDialog(ExamKind::KnownWords) {}
};

class ExamRandom : public ExamDialog {
    Q_OBJECT
public:
    ExamRandom() : ExamDialog(ExamKind::Random) {}
};

class ExamLessonRandom : public ExamDialog {
    Q_OBJECT
public:
    ExamLessonRandom() : ExamDialog(ExamKind::LessonRandom) {}
};

class ExamSystematic : public ExamDialog {
    Q_OBJECT
public:
    ExamSystematic() : ExamDialog(ExamKind::Systematic) {}
};

class ExamLessonSystematic : public ExamDialog {
    Q_OBJECT
public:
    ExamLessonSystematic() : ExamDialog(ExamKind::LessonSystematic) {}
};

// A new, not yet started window of the kind.
ExamDialog* makeExamDialog(ExamKind kind);
