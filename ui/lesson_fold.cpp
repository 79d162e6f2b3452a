#include "ui/lesson_fold.h"

#include "ui/text_codec.h"

#include <algorithm>
#include <unordered_set>

namespace ui {

std::string foldLessonName(std::string_view name) {
    // Most lesson names are ASCII, and large lists fold one name per card.
    if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; })) {
        std::string folded(name);
        for (char& c : folded)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + ('a' - 'A'));
        return folded;
    }
    return toStored(fromStored(name).toCaseFolded());
}

bool sameLessonName(std::string_view a, std::string_view b) {
    return foldLessonName(a) == foldLessonName(b);
}

std::vector<std::string> lessonNames(const CardList& main, const CardList& known) {
    std::vector<std::string> firstSeen;
    std::unordered_set<std::string> folded;
    auto visit = [&](const Card* card) {
        if (folded.insert(foldLessonName(card->lesson())).second)
            firstSeen.emplace_back(card->lesson());
    };
    main.forEach(visit);
    known.forEach(visit);
    return {firstSeen.rbegin(), firstSeen.rend()};
}

} // namespace ui
