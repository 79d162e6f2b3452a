#pragma once

#include "store/card.h"

#include <string_view>

// How a typed answer compares with the stored one. Meanings are cut at every ',' and ';'; one
// blank right after a separator is dropped. Comparisons are exact: character by character, case
// and blanks included (both texts UTF-8; matchesAnswer composes them first).
enum class AnswerMatch { Right, Wrong, TooManyMeanings };

struct AnswerRule {
    bool meaningsInOrder = false; // only the exact stored text counts
    bool allMeanings = true;      // as many meanings typed as stored, in any order
};

// The stored answer may hold at most ten meanings.
constexpr int kMaxMeanings = 10;

AnswerMatch compareAnswer(std::string_view stored, std::string_view typed, AnswerRule rule);

// Judges the typed text against the card's answer under the rule chosen in the preferences.
// A stored answer with more than ten meanings is reported as an internal error and judged wrong.
bool matchesAnswer(const Card& card, std::string_view typed);
