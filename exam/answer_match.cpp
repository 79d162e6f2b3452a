#include "exam/answer_match.h"

#include "exam/exam_texts.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "ui/text_codec.h"

#include <algorithm>
#include <array>

namespace {

bool isSeparator(char c) {
    return c == ',' || c == ';';
}

// One meaning of a text: its bytes and whether a separator ended it.
struct Meaning {
    std::string_view text;
    bool endedBySeparator = false;
    std::size_t next = 0; // where the following meaning begins (no blank dropped yet)
};

Meaning meaningAt(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && !isSeparator(text[end]))
        ++end;
    if (end == text.size())
        return {text.substr(from), false, end};
    return {text.substr(from, end - from), true, end + 1};
}

std::size_t skipOneBlank(std::string_view text, std::size_t at) {
    return at < text.size() && text[at] == ' ' ? at + 1 : at;
}

struct StoredMeanings {
    std::array<std::string_view, kMaxMeanings> items;
    int count = 0;
    bool tooMany = false;

    bool holds(std::string_view meaning) const {
        return std::find(items.begin(), items.begin() + count, meaning) != items.begin() + count;
    }
};

StoredMeanings cutStored(std::string_view stored) {
    StoredMeanings result;
    std::size_t at = 0;
    for (;;) {
        Meaning m = meaningAt(stored, at);
        if (result.count == kMaxMeanings) { // this separator is the tenth
            result.tooMany = true;
            return result;
        }
        result.items[static_cast<std::size_t>(result.count++)] = m.text;
        if (!m.endedBySeparator)
            return result;
        at = skipOneBlank(stored, m.next);
    }
}

} // namespace

AnswerMatch compareAnswer(std::string_view stored, std::string_view typed, AnswerRule rule) {
    if (typed == stored)
        return AnswerMatch::Right;
    if (rule.meaningsInOrder)
        return AnswerMatch::Wrong;
    StoredMeanings meanings = cutStored(stored);
    if (meanings.tooMany)
        return AnswerMatch::TooManyMeanings;

    int typedCount = 0;
    bool anyWord = false;
    std::size_t at = 0;
    for (;;) {
        Meaning m = meaningAt(typed, at);
        anyWord = anyWord || !m.text.empty();
        if (meanings.holds(m.text)) {
            ++typedCount;
            if (!m.endedBySeparator)
                break;
            at = skipOneBlank(typed, m.next);
            continue;
        }
        // Not stored: a word is wrong, and so is an answer that begins with an empty meaning.
        if (!m.text.empty() || typedCount == 0)
            return AnswerMatch::Wrong;
        // A later empty meaning is passed over. At the end of the text (a typed answer ending in
        // a separator) it is not counted: the comparison ends there.
        if (!m.endedBySeparator)
            break;
        ++typedCount;
        at = m.next;
    }
    // Separators alone are no answer, even where the stored answer holds empty meanings.
    if (!anyWord)
        return AnswerMatch::Wrong;
    if (rule.allMeanings && typedCount != meanings.count)
        return AnswerMatch::Wrong;
    return AnswerMatch::Right;
}

bool matchesAnswer(const Card& card, std::string_view typed) {
    AnswerRule rule{preferences.meaningsInOrder != 0, preferences.allMeanings != 0};
    // Both sides composed, so that an accent typed as a letter and a combining mark equals the
    // stored letter. Windows-1252 texts are composed already and compare as they always did.
    AnswerMatch result =
        compareAnswer(ui::composedText(card.answer()), ui::composedText(typed), rule);
    if (result == AnswerMatch::TooManyMeanings)
        showError(exam::text::TooManyMeanings);
    return result == AnswerMatch::Right;
}
