#include "exam/answer_match.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>

namespace {

constexpr AnswerRule inOrder{true, false};
constexpr AnswerRule all{false, true};
constexpr AnswerRule some{false, false};

struct Row {
    const char* stored;
    const char* typed;
    bool underInOrder;
    bool underAll;
    bool underSome;
};

// The stored answer, the typed text and the result under each of the three rules.
const Row rows[] = {
    {"house, home", "house, home", true, true, true},
    {"house, home", "home, house", false, true, true},
    {"house, home", "house", false, false, true},
    {"house, home", "home", false, false, true},
    {"house, home", "house, house", false, true, true},
    {"house, home", "house;home", false, true, true},
    {"house, home", "house,home", false, true, true},
    {"house, home", "home; house", false, true, true},
    {"house, home", "house,  home", false, false, false}, // the second meaning is " home"
    {"house, home", "House", false, false, false},
    {"house, home", "house ", false, false, false},
    {"house, home", "", false, false, false},
    {"house, home", ", house", false, false, false},
    {"house, home", "house,, home", false, false, false}, // " home" keeps its blank
    {"house, home", "house,,home", false, false, true},   // the empty meaning is counted
    {"house, home", "house, garden", false, false, false},
    {"house, home", "house, home, house", false, false, true},
    // A typed answer ending in a separator: the empty last meaning is not counted.
    {"house, home", "house,", false, false, true},
    {"house, home", "house, ", false, false, true},
    {"house, home", "home, house,", false, true, true},
    // Stored answers of their own shape.
    {"house;home", "home, house", false, true, true},
    {"house,  home", "house, home", false, false, false}, // the stored meaning is " home"
    {"house,  home", " home, house", false, true, true},
    {"house,  home", "house,  home", true, true, true},
    {"a,,b", "b, a", false, false, true}, // the stored empty meaning counts
    {"a,,b", "b,,a", false, true, true},
    {"house,", "", false, false, false}, // an empty answer is never right
    {"house,", "house", false, false, true},
    // A leading empty meaning counts where the stored answer holds one; separators alone never.
    {"house,", ",house", false, true, true},
    {"a,,b", ",b", false, false, true},
    {"a,,b", ",b,a", false, true, true},
    {"a,,b", ",", false, false, false},
    {"a,,b", ", ,", false, false, false},
    {"house,", ", ", false, false, false},
    {"", "", true, true, true},
    {"", "x", false, false, false},
};

TEST(CompareAnswer, tableUnderTheThreeRules) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("stored «") + row.stored + "» typed «" + row.typed + "»");
        auto judge = [&](AnswerRule rule) {
            return compareAnswer(row.stored, row.typed, rule) == AnswerMatch::Right;
        };
        EXPECT_EQ(judge(inOrder), row.underInOrder);
        EXPECT_EQ(judge(all), row.underAll);
        EXPECT_EQ(judge(some), row.underSome);
    }
}

TEST(CompareAnswer, tenMeaningsAreAllowedAnEleventhIsAnInternalError) {
    const char* ten = "a,b,c,d,e,f,g,h,i,j";
    EXPECT_EQ(compareAnswer(ten, "j,i,h,g,f,e,d,c,b,a", all), AnswerMatch::Right);
    const char* eleven = "a,b,c,d,e,f,g,h,i,j,k";
    EXPECT_EQ(compareAnswer(eleven, "a", some), AnswerMatch::TooManyMeanings);
    EXPECT_EQ(compareAnswer("a,b,c,d,e,f,g,h,i,j,", "a", some), AnswerMatch::TooManyMeanings);
    EXPECT_EQ(compareAnswer(eleven, eleven, some), AnswerMatch::Right);
    EXPECT_EQ(compareAnswer(eleven, "a", inOrder), AnswerMatch::Wrong);
}

TEST(MatchesAnswer, readsTheRuleFromThePreferencesAndReportsTooManyMeanings) {
    NoticeRecorder notices;
    Card card{};
    assignText(card, CardField::answer, "house, home");
    resetPreferences();
    EXPECT_FALSE(matchesAnswer(card, "house")); // every meaning by default
    preferences.allMeanings = 0;
    EXPECT_TRUE(matchesAnswer(card, "house"));
    preferences.meaningsInOrder = 1;
    preferences.allMeanings = 1;
    EXPECT_FALSE(matchesAnswer(card, "home, house"));
    EXPECT_TRUE(notices.entries.empty());

    preferences.meaningsInOrder = 0;
    assignText(card, CardField::answer, "a,b,c,d,e,f,g,h,i,j,k");
    EXPECT_FALSE(matchesAnswer(card, "a"));
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].kind, NoticeKind::Error);
    EXPECT_EQ(notices.entries[0].text,
              "Internal error: the answer in the database has more than 10 meanings.");
    resetPreferences();
}

} // namespace

namespace {

// Stored and typed texts in either composition, any script: compared after composing both.
TEST(MatchesAnswer, composedAndDecomposedFormsAreTheSameAnswer) {
    struct Row {
        const char* stored;
        const char* typed;
        bool right;
    };
    const Row rows[] = {
        {"caf\u00E9, bar", "cafe\u0301, bar", true},  // typed e + combining acute
        {"cafe\u0301, bar", "bar, caf\u00E9", true},  // stored decomposed, any order
        {"\u1F10\u03BD", "\u03B5\u0313\u03BD", true}, // Greek with breathing
        {"\u8A00\u8449, \u30B3\u30C8\u30D0", "\u8A00\u8449, \u30B3\u30C8\u30D0", true},
        {"\u0433\u043E\u0440\u0430", "\u0413\u043E\u0440\u0430", false}, // case still counts
        {"caf\u00E9", "cafe", false},                                    // the accent still counts
        {"\u00E9\u00E9", "e\u0301", false},
    };
    resetPreferences();
    preferences.allMeanings = 0;
    for (const Row& row : rows) {
        Card card{};
        assignText(card, CardField::answer, row.stored);
        EXPECT_EQ(matchesAnswer(card, row.typed), row.right) << row.stored << " / " << row.typed;
    }
    resetPreferences();
}

} // namespace
