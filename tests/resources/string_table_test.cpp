#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Part {
    const char* file;
    int first; // numbers of the layer's own texts
    int last;
};

// base holds the numbered texts (below 200) and the shared ones (200-399).
const Part parts[] = {
    {"strings_base.inc", 1, 399},    {"strings_listfile.inc", 600, 649},
    {"strings_ui.inc", 650, 699},    {"strings_shell.inc", 700, 749},
    {"strings_exam.inc", 750, 799},  {"strings_cards.inc", 800, 849},
    {"strings_print.inc", 850, 899},
};

std::string readPart(const char* file) {
    std::ifstream in(std::string(ZELKORA_RESOURCES_DIR) + "/" + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The numbers of the entries of one part, in file order ("{123," at the start of an entry).
std::vector<int> numbersIn(const std::string& text) {
    static const std::regex entry(R"((^|\n)\s*\{\s*(\d+)\s*,)");
    std::vector<int> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi((*it)[2].str()));
    return numbers;
}

} // namespace

// Every layer adds its own texts; a number used twice would hide one of them, and a number out
// of the layer's range is a collision waiting to happen.
TEST(StringTable, numbersAreUniqueAndInTheirLayersRange) {
    std::map<int, std::string> owner;
    int total = 0;
    for (const Part& part : parts) {
        const std::string text = readPart(part.file);
        ASSERT_FALSE(text.empty()) << part.file;
        for (int n : numbersIn(text)) {
            ++total;
            EXPECT_GE(n, part.first) << part.file;
            EXPECT_LE(n, part.last) << part.file;
            auto [it, added] = owner.emplace(n, part.file);
            EXPECT_TRUE(added) << "text " << n << " in " << part.file << " and " << it->second;
            EXPECT_NE(strings::text(n), nullptr) << "text " << n << " not found by number";
        }
    }
    EXPECT_GE(total, 50); // the parser found the entries at all
}

TEST(StringTable, missingNumbersHaveNoText) {
    // The sort's tree check uses 38 on purpose to show the box for a missing text.
    EXPECT_EQ(strings::text(38), nullptr);
    EXPECT_EQ(strings::text(0), nullptr);
    EXPECT_EQ(strings::text(-1), nullptr);
    EXPECT_EQ(strings::text(100000), nullptr);
}

// A message box shows at most 400 characters of a text and 50 of a caption; nothing may be
// cut off, and a text is never empty (an empty one looks like the missing-text fault).
TEST(StringTable, textsFitTheirBoxes) {
    for (int n = 1; n < 1000; ++n) {
        const char* text = strings::text(n);
        if (!text)
            continue;
        EXPECT_GT(std::string(text).size(), 0u) << n;
        EXPECT_LE(std::string(text).size(), 400u) << n;
    }
    for (int caption : {136, 163, 164})
        EXPECT_LE(std::string(strings::text(caption)).size(), 50u) << caption;
}
