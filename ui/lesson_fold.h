#pragma once

#include "store/card_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Lesson names (UTF-8) are compared without regard to case in the lesson tables: Unicode simple
// case folding, one character for one (so "ß" and "SS" stay different names).
std::string foldLessonName(std::string_view name);
// Whether two lesson names are equal without regard to case.
bool sameLessonName(std::string_view a, std::string_view b);

// The lesson names of the two lists, as the lesson tables show them top to bottom: every name
// once, without regard to case, spelled as it first occurs in the main and then the known list;
// a name met later stands higher, so the names are in the reverse order of first occurrence.
std::vector<std::string> lessonNames(const CardList& main, const CardList& known);

} // namespace ui
