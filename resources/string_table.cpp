#include "resources/string_table.h"

#include <algorithm>
#include <vector>

namespace strings {
namespace {

struct Entry {
    int number;
    const char* text;
};

// clang-format off
constexpr Entry entries[] = {
#include "resources/strings_base.inc"
#include "resources/strings_listfile.inc"
#include "resources/strings_ui.inc"
#include "resources/strings_shell.inc"
#include "resources/strings_exam.inc"
#include "resources/strings_cards.inc"
#include "resources/strings_print.inc"
};
// clang-format on

const std::vector<Entry>& sortedEntries() {
    static const std::vector<Entry> sorted = [] {
        std::vector<Entry> v(std::begin(entries), std::end(entries));
        std::sort(v.begin(), v.end(),
                  [](const Entry& a, const Entry& b) { return a.number < b.number; });
        return v;
    }();
    return sorted;
}

Translator currentTranslator = nullptr;

} // namespace

const char* englishText(int number) {
    const auto& table = sortedEntries();
    auto it = std::lower_bound(table.begin(), table.end(), number,
                               [](const Entry& e, int n) { return e.number < n; });
    if (it == table.end() || it->number != number)
        return nullptr;
    return it->text;
}

const char* text(int number) {
    const char* english = englishText(number);
    if (english == nullptr || currentTranslator == nullptr)
        return english;
    const char* translated = currentTranslator(number, english);
    return translated != nullptr ? translated : english;
}

std::vector<int> numbers() {
    std::vector<int> all;
    for (const Entry& entry : sortedEntries())
        all.push_back(entry.number);
    return all;
}

void setTranslator(Translator translator) {
    currentTranslator = translator;
}

} // namespace strings
