#pragma once

#include "store/card_list.h"

#include <string>

// A KVTML 2.0 vocabulary file of the cards of list and then of known, as the KDE trainers read it:
// two languages "Question" and "Answer"; per card the two texts, the additional information
// as the answer's comment and the level as the answer's grade; known cards deactivated; lesson
// names split at "/" into nested lessons. UTF-8.
std::string kvtmlBytes(const CardList& list, const CardList& known);
