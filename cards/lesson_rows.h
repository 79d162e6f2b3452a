#pragma once

#include "store/card_list.h"

#include <string>
#include <vector>

// The rows of the overview's lesson table: every lesson of the main list and then the known list
// once, without regard to case, spelled as it first occurs; a lesson met later stands higher, so
// the rows are in the reverse order of first occurrence.
std::vector<std::string> buildLessonRows(const CardList& main, const CardList& known);

// Fills target with the cards of the chosen lessons: for each lesson in the given order, its
// cards of the main list and then of the known list. Lessons match exactly, case included.
// One walk over each list, however many lessons are chosen.
void collectLessonCards(const CardList& main, const CardList& known,
                        const std::vector<std::string>& lessons, CardList& target);
