#pragma once

#include "store/card_list.h"

#include <string>
#include <vector>

// Fills target with the cards of the chosen lessons: for each lesson in the given order, its
// cards of the main list and then of the known list. Lessons match exactly, case included.
// One walk over each list, however many lessons are chosen.
void collectLessonCards(const CardList& main, const CardList& known,
                        const std::vector<std::string>& lessons, CardList& target);
