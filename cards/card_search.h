#pragma once

#include "store/card.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The searches of the change-card window.

enum class SearchField { Question, Answer };

// Looks for the card whose question (or answer) is exactly the text: first in the current list
// behind the card shown (a higher id than shownId), then in the whole current list, then in the
// known cards. So repeated searches step through the cards with that text. When no card holds
// the text exactly, the same three steps run again without regard to case ("hausboot" finds
// "Hausboot"), with the letter folding of the lesson tables.
Card* searchCardByText(SearchField field, std::string_view text, int32_t shownId);

// Reads a card number as typed: leading blanks skipped, an optional sign, then the digits up to
// the first other character; no digits give 0. A number that no card id can hold (beyond 32
// bits) gives nothing.
std::optional<int32_t> readSearchId(std::string_view text);

// The card with the id in the current list, else in the known cards.
Card* searchCardById(int32_t id);
