#include "exam/exam_kind.h"

#include "resources/command_ids.h"
#include "store/card_store.h"

#include <iterator>

namespace {

// Indexed by ExamKind.
const ExamKindInfo kinds[] = {
    {750, cmd::ExamInOrder, ctl::InOrderButton, PickOrder::InOrder},
    {751, cmd::ExamWrongWords, ctl::WrongWordsButton, PickOrder::InOrder},
    {752, cmd::LevelInOrder, 0, PickOrder::InOrder},
    {753, cmd::LessonInOrder, 0, PickOrder::InOrder},
    {754, cmd::ExamKnownWords, 0, PickOrder::InOrder},
    {755, cmd::ExamRandom, ctl::RandomButton, PickOrder::Random},
    {756, cmd::LessonRandom, 0, PickOrder::Random},
    {757, cmd::SystematicExam, ctl::SystematicButton, PickOrder::Systematic},
    {758, cmd::LessonSystematic, 0, PickOrder::Systematic},
};
static_assert(std::size(kinds) == kExamKindCount, "one row for each examination kind");

} // namespace

const ExamKindInfo& examKindInfo(ExamKind kind) {
    return kinds[static_cast<int>(kind)];
}

CardList& examSource(ExamKind kind) {
    switch (kind) {
    case ExamKind::InOrder:
    case ExamKind::Random:
        return mainList;
    case ExamKind::WrongWords:
        return wrongList;
    case ExamKind::LevelInOrder:
        return levelList;
    case ExamKind::LessonInOrder:
    case ExamKind::LessonRandom:
    case ExamKind::LessonSystematic:
        return lessonList;
    case ExamKind::KnownWords:
        return knownList;
    case ExamKind::Systematic:
        return *currentList;
    }
    return mainList;
}
