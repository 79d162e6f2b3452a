#include "exam/lesson_choice.h"

#include "exam/exam_texts.h"
#include "exam/open_exams.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"

LessonChoice chooseLessons(const std::vector<std::string>& names) {
    if (mainList.empty() && knownList.empty()) {
        showError(exam::text::NoCardsOpen);
        return LessonChoice::NoCardsOpen;
    }
    clearList(lessonList);
    for (const std::string& name : names)
        copyCardsByLesson(mainList, lessonList, name);
    int count = countCards(lessonList);
    if (count == 0) {
        showError(exam::text::NoCardsOfLesson);
        return LessonChoice::NoCardsOfLesson;
    }
    enableExamCommand(cmd::LessonInOrder);
    enableExamCommand(cmd::LessonRandom);
    if (count > 10)
        enableExamCommand(cmd::LessonSystematic);
    return LessonChoice::Chosen;
}

int lessonCommandFor(int cardCount) {
    if (cardCount > 10)
        return cmd::LessonSystematic;
    if (cardCount >= 4)
        return cmd::LessonRandom;
    return cmd::LessonInOrder;
}
