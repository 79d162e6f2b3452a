#pragma once

#include <string>
#include <string_view>

namespace ui {

// Lesson names are Windows-1252 bytes and are compared without regard to case in the lesson
// tables. Folds every letter to its lower-case form: A-Z, the Latin-1 capitals 0xC0-0xDE (but not
// the multiplication sign 0xD7) and the Windows-1252 capitals Š, Œ, Ž and Ÿ. Other bytes stay.
std::string foldLessonName(std::string_view name);
char foldLessonChar(char c);
// Whether two lesson names are equal without regard to case.
bool sameLessonName(std::string_view a, std::string_view b);

} // namespace ui
