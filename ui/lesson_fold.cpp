#include "ui/lesson_fold.h"

namespace ui {

char foldLessonChar(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A: // S caron
    case 0x8C: // OE ligature
    case 0x8E: // Z caron
        return static_cast<char>(b + 0x10);
    case 0x9F: // Y diaeresis
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

std::string foldLessonName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = foldLessonChar(c);
    return folded;
}

bool sameLessonName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldLessonChar(a[i]) != foldLessonChar(b[i]))
            return false;
    return true;
}

} // namespace ui
