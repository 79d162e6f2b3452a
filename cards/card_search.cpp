#include "cards/card_search.h"

#include "store/card_list.h"
#include "store/card_store.h"
#include "ui/lesson_fold.h"

#include <cstring>

namespace {

Card* findByText(const CardList& list, SearchField field, std::string_view text, int32_t bound) {
    return field == SearchField::Question ? findCardByQuestion(list, text, bound)
                                          : findCardByAnswer(list, text, bound);
}

Card* findByFoldedText(const CardList& list, SearchField field, std::string_view text,
                       int32_t bound) {
    for (int i = 0; i < list.slotCount(); ++i) {
        Card* card = list.slot(i);
        if (card && card->id > bound &&
            ui::sameLessonName(text,
                               field == SearchField::Question ? card->question() : card->answer()))
            return card;
    }
    return nullptr;
}

using Finder = Card* (*)(const CardList&, SearchField, std::string_view, int32_t);

Card* searchWith(Finder find, SearchField field, std::string_view text, int32_t shownId) {
    if (Card* card = find(*currentList, field, text, shownId))
        return card;
    if (Card* card = find(*currentList, field, text, -1))
        return card;
    return find(knownList, field, text, -1);
}

} // namespace

Card* searchCardByText(SearchField field, std::string_view text, int32_t shownId) {
    if (Card* card = searchWith(findByText, field, text, shownId))
        return card;
    return searchWith(findByFoldedText, field, text, shownId);
}

std::optional<int32_t> readSearchId(std::string_view text) {
    std::size_t i = 0;
    // The blanks a C reading of a number skips: space, tab, line breaks, form feed.
    while (i < text.size() && std::strchr(" \t\n\v\f\r", text[i]) && text[i] != '\0')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

Card* searchCardById(int32_t id) {
    if (Card* card = findCardById(*currentList, id))
        return card;
    return findCardById(knownList, id);
}
