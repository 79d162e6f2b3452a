#include "cards/row_search.h"

#include <string_view>

RowSearchState& rowSearchState() {
    static RowSearchState state;
    return state;
}

bool rowContains(const Card& card, const std::string& text) {
    // A match in well-formed UTF-8 always starts at a character.
    for (std::string_view field : {card.question(), card.answer(), card.additionalInfo()})
        if (field.find(text) != std::string_view::npos)
            return true;
    return false;
}

namespace {

int searchFrom(const std::vector<Card*>& rows, const std::string& text, int first) {
    for (int row = first; row < static_cast<int>(rows.size()); ++row)
        if (rowContains(*rows[static_cast<std::size_t>(row)], text))
            return row;
    return -1;
}

} // namespace

int searchRows(const std::vector<Card*>& rows, RowSearchState& state) {
    int found = searchFrom(rows, state.text, state.startRow < 0 ? 0 : state.startRow);
    if (found < 0)
        found = searchFrom(rows, state.text, 0);
    state.startRow = found < 0 ? 0 : found + 1;
    return found;
}
