#include "exam/exam_kind.h"

#include "exam/exam_texts.h"
#include "resources/command_ids.h"
#include "store/card_store.h"

#include <iterator>

namespace {

// Indexed by ExamKind.
const ExamKindInfo kinds[] = {
    {exam::text::InOrderTitle, cmd::ExamInOrder, ctl::InOrderButton, PickOrder::InOrder},
    {exam::text::WrongWordsTitle, cmd::ExamWrongWords, ctl::WrongWordsButton, PickOrder::InOrder},
    {exam::text::LevelInOrderTitle, cmd::LevelInOrder, 0, PickOrder::InOrder},
    {exam::text::LessonInOrderTitle, cmd::LessonInOrder, 0, PickOrder::InOrder},
    {exam::text::KnownWordsTitle, cmd::ExamKnownWords, 0, PickOrder::InOrder},
    {exam::text::RandomTitle, cmd::ExamRandom, ctl::RandomButton, PickOrder::Random},
    {exam::text::LessonRandomTitle, cmd::LessonRandom, 0, PickOrder::Random},
    {exam::text::SystematicTitle, cmd::SystematicExam, ctl::SystematicButton,
     PickOrder::Systematic},
    {exam::text::LessonSystematicTitle, cmd::LessonSystematic, 0, PickOrder::Systematic},
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
