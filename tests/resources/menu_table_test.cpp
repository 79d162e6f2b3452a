#include "resources/command_ids.h"
#include "resources/menu_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The popup written as one letter per entry: E enabled, G grayed, | separator.
std::string layout(const menu::MenuPopup& popup) {
    std::string s;
    for (const menu::MenuEntry& entry : popup.entries)
        s += entry.isSeparator() ? '|' : entry.enabledAtStart ? 'E' : 'G';
    return s;
}

} // namespace

TEST(MenuTable, popupsInTheirPositionsWithSeparatorsAndStartStates) {
    const auto popups = menu::mainMenu();
    ASSERT_EQ(popups.size(), 5u);
    EXPECT_STREQ(popups[menu::File].title, "&File");
    EXPECT_STREQ(popups[menu::Edit].title, "&Edit");
    EXPECT_STREQ(popups[menu::Examination].title, "E&xamination");
    EXPECT_STREQ(popups[menu::Cards].title, "&Cards");
    EXPECT_STREQ(popups[menu::SpecialExamination].title, "&Special Examination");

    // New, Open | Close, Save, Save As | four exports | Print, Print Cards | Preferences | Quit
    EXPECT_EQ(layout(popups[menu::File]), "EEGGG|GGGG|GG|E|E");
    EXPECT_EQ(layout(popups[menu::Edit]), "EE");
    EXPECT_EQ(layout(popups[menu::Examination]), "G|GG|G");
    EXPECT_EQ(layout(popups[menu::Cards]), "GG|GG|GG");
    EXPECT_EQ(layout(popups[menu::SpecialExamination]), "G|G|GGG|G|G");
}

TEST(MenuTable, separatorsFollowTheNamedItems) {
    auto textBeforeSeparator = [](const menu::MenuPopup& popup) {
        std::set<std::string> texts;
        for (size_t i = 1; i < popup.entries.size(); ++i)
            if (popup.entries[i].isSeparator())
                texts.insert(popup.entries[i - 1].text);
        return texts;
    };
    const auto popups = menu::mainMenu();
    EXPECT_EQ(textBeforeSeparator(popups[menu::File]),
              (std::set<std::string>{"Save List &As...", "E&xport for Other Programs...",
                                     "Print Cards...", "P&references..."}));
    EXPECT_EQ(textBeforeSeparator(popups[menu::Cards]),
              (std::set<std::string>{"&Modify Cards...", "&Exchange Question and Answer"}));
    EXPECT_EQ(textBeforeSeparator(popups[menu::SpecialExamination]),
              (std::set<std::string>{"Examination of the &Known Words...", "&Choose a Lesson...",
                                     "Lesson - &Systematic Examination...", "Choose a &Level..."}));
}

// Each command is one action: an id used twice would make one item enable the other.
TEST(MenuTable, everyItemHasItsOwnCommandAndText) {
    std::set<int> commands;
    int items = 0;
    for (const menu::MenuPopup& popup : menu::mainMenu())
        for (const menu::MenuEntry& entry : popup.entries) {
            if (entry.isSeparator()) {
                EXPECT_EQ(entry.command, 0);
                continue;
            }
            ++items;
            EXPECT_NE(entry.command, 0) << entry.text;
            EXPECT_TRUE(commands.insert(entry.command).second) << entry.text;
            EXPECT_NE(std::string(entry.text), "");
        }
    EXPECT_EQ(items, 32);
}

TEST(MenuTable, commandsAreFoundWithTheirPopupAndButton) {
    ASSERT_NE(menu::findCommand(cmd::ExamRandom), nullptr);
    EXPECT_STREQ(menu::findCommand(cmd::ExamRandom)->text, "Examination in &Random Order...");
    EXPECT_EQ(menu::findCommand(cmd::ExamRandom)->button, ctl::RandomButton);
    EXPECT_EQ(menu::popupOf(cmd::ExamRandom), menu::Examination);
    EXPECT_EQ(menu::popupOf(cmd::ExamKnownWords), menu::SpecialExamination);
    EXPECT_EQ(menu::popupOf(cmd::Quit), menu::File);
    EXPECT_EQ(menu::findCommand(cmd::ExchangeQA)->button, ctl::ExchangeButton);
    EXPECT_EQ(menu::findCommand(cmd::Sort)->button, 0);

    // The about item lives in the system menu, not in the menu bar; 0 is no command.
    EXPECT_EQ(menu::findCommand(cmd::About), nullptr);
    EXPECT_EQ(menu::popupOf(cmd::About), -1);
    EXPECT_EQ(menu::findCommand(0), nullptr);
    EXPECT_EQ(menu::popupOf(0), -1);
}

TEST(MenuTable, eachButtonSharesExactlyOneCommand) {
    std::set<int> buttons;
    for (const menu::MenuPopup& popup : menu::mainMenu())
        for (const menu::MenuEntry& entry : popup.entries) {
            if (entry.button != 0) {
                EXPECT_TRUE(buttons.insert(entry.button).second) << entry.text;
            }
        }
    EXPECT_EQ(buttons, (std::set<int>{ctl::SystematicButton, ctl::InOrderButton, ctl::RandomButton,
                                      ctl::WrongWordsButton, ctl::NewCardButton,
                                      ctl::OverviewButton, ctl::ExchangeButton}));
}

// Alt with a letter reaches one title of the menu bar, and within an open popup one item.
TEST(MenuTable, mnemonicsAreUniqueInTheMenuBarAndInEachPopup) {
    auto mnemonic = [](const char* text) {
        const char* mark = std::strchr(text, '&');
        return mark && mark[1] ? static_cast<char>(std::tolower(mark[1])) : '\0';
    };
    std::vector<std::vector<const char*>> groups(1);
    for (const menu::MenuPopup& popup : menu::mainMenu()) {
        groups[0].push_back(popup.title);
        groups.emplace_back();
        for (const menu::MenuEntry& entry : popup.entries)
            if (!entry.isSeparator())
                groups.back().push_back(entry.text);
    }
    for (const auto& group : groups) {
        std::map<char, const char*> seen;
        for (const char* text : group) {
            const char letter = mnemonic(text);
            if (letter == '\0')
                continue;
            auto [it, fresh] = seen.emplace(letter, text);
            EXPECT_TRUE(fresh) << text << " and " << it->second;
        }
    }
}
