#pragma once

#include "store/card.h"

#include <string>
#include <vector>

// The overview's "Search for...": what was searched last and the row where the next search
// begins. Both live for the whole run and are shared by every overview window.
struct RowSearchState {
    std::string text;
    int startRow = 0;
};
RowSearchState& rowSearchState();

// Whether the text is part of the card's question, answer or additional information (byte for
// byte, case included). The empty text is part of every card.
bool rowContains(const Card& card, const std::string& text);

// Looks for the text from the start row to the end, then from the top. Returns the row found
// (and moves the start row behind it) or -1 (and the start row becomes 0).
int searchRows(const std::vector<Card*>& rows, RowSearchState& state);
