#pragma once

#include <string>
#include <string_view>

namespace ui {

// Lesson names (UTF-8) are compared without regard to case in the lesson tables: Unicode simple
// case folding, one character for one (so "ß" and "SS" stay different names).
std::string foldLessonName(std::string_view name);
// Whether two lesson names are equal without regard to case.
bool sameLessonName(std::string_view a, std::string_view b);

} // namespace ui
