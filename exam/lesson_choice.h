#pragma once

#include <string>
#include <vector>

enum class LessonChoice { NoCardsOpen, NoCardsOfLesson, Chosen };

// Fills lessonList with the cards of the main list whose lesson is one of the names (exact
// comparison). On success enables the lesson commands: in order and at random always, the
// systematic one for more than 10 cards. Shows the error of a refusal.
LessonChoice chooseLessons(const std::vector<std::string>& names);

// The lesson examination that suits the number of chosen cards: more than 10 systematic, 4 to 10
// at random, fewer in order.
int lessonCommandFor(int cardCount);
