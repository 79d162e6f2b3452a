#include "exam/exam_kinds.h"

ExamDialog* makeExamDialog(ExamKind kind) {
    switch (kind) {
    case ExamKind::InOrder:
        return new ExamInOrder;
    case ExamKind::WrongWords:
        return new ExamWrongWords;
    case ExamKind::LevelInOrder:
        return new ExamLevelInOrder;
    case ExamKind::LessonInOrder:
        return new ExamLessonInOrder;
    case ExamKind::KnownWords:
        return new ExamKnownWords;
    case ExamKind::Random:
        return new ExamRandom;
    case ExamKind::LessonRandom:
        return new ExamLessonRandom;
    case ExamKind::Systematic:
        return new ExamSystematic;
    case ExamKind::LessonSystematic:
        return new ExamLessonSystematic;
    }
    return nullptr;
}
