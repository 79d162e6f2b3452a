#include "shell/card_order_commands.h"

#include "shell/font_commands.h"
#include "store/card_store.h"
#include "store/sort_cards.h"

namespace shell {

void sortMainList() {
    mainList = sortCards(mainList, SortKey::byQuestion);
    currentList = &mainList;
}

void exchangeQuestionAndAnswer() {
    exchangeQuestionAnswer(mainList);
    exchangeQuestionAnswer(knownList);
    exchangeFonts();
}

} // namespace shell
