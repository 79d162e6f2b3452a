#include "exam/level_choice.h"

#include "exam/open_exams.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"

namespace {
constexpr int kNoCardsOpenText = 102;
constexpr int kNoCardsOnLevelText = 241;
} // namespace

LevelChoice chooseLevel(int32_t level) {
    if (mainList.empty()) {
        showError(kNoCardsOpenText);
        return LevelChoice::NoCardsOpen;
    }
    clearList(levelList);
    copyCardsByLevel(mainList, levelList, level);
    if (levelList.empty()) {
        showError(kNoCardsOnLevelText);
        return LevelChoice::NoCardsOnLevel;
    }
    enableExamCommand(cmd::LevelInOrder);
    return LevelChoice::Chosen;
}
