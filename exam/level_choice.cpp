#include "exam/level_choice.h"

#include "exam/exam_texts.h"
#include "exam/open_exams.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"

LevelChoice chooseLevel(int32_t level) {
    if (mainList.empty()) {
        showError(exam::text::NoCardsOpen);
        return LevelChoice::NoCardsOpen;
    }
    clearList(levelList);
    copyCardsByLevel(mainList, levelList, level);
    if (levelList.empty()) {
        showError(exam::text::NoCardsOnLevel);
        return LevelChoice::NoCardsOnLevel;
    }
    enableExamCommand(cmd::LevelInOrder);
    return LevelChoice::Chosen;
}
