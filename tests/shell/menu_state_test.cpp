#include "resources/command_ids.h"
#include "shell/menu_state.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <gtest/gtest.h>

#include <set>

using namespace shell;

namespace {

const std::set<int> alwaysEnabled = {cmd::Preferences, cmd::Quit, cmd::QuestionFont,
                                     cmd::AnswerFont};

std::set<int> enabledCommands(const FakeMainWindowHost& host) {
    std::set<int> result;
    for (auto [id, on] : host.commands)
        if (on)
            result.insert(id);
    return result;
}

std::set<int> enabledButtons(const FakeMainWindowHost& host) {
    std::set<int> result;
    for (auto [id, on] : host.buttons)
        if (on)
            result.insert(id);
    return result;
}

std::set<int> withAlwaysEnabled(std::set<int> ids) {
    ids.insert(alwaysEnabled.begin(), alwaysEnabled.end());
    return ids;
}

// The File items that every opened list enables.
const std::set<int> openedFileItems = {cmd::CloseList,
                                       cmd::SaveList,
                                       cmd::SaveListAs,
                                       cmd::ExportCards,
                                       cmd::ExportQuestions,
                                       cmd::ExportAnswers,
                                       cmd::ExportForOtherPrograms};

void open(FakeMainWindowHost& host, int mainCount, int knownCount) {
    applyStartState(host);
    applyOpenedListState(host, mainCount, knownCount);
}

} // namespace

TEST(MenuState, startEnablesOnlyNewOpenPreferencesQuitAndFonts) {
    FakeMainWindowHost host;
    applyStartState(host);
    EXPECT_EQ(enabledCommands(host), withAlwaysEnabled({cmd::NewList, cmd::OpenList}));
    EXPECT_TRUE(enabledButtons(host).empty());
    EXPECT_FALSE(host.commands.at(cmd::ExamWrongWords));
    EXPECT_FALSE(host.commands.at(cmd::LevelInOrder));
    EXPECT_EQ(host.buttons.size(), 7u);
}

TEST(MenuState, knownCardsOnlyEnableFileItemsNewCardsOverviewAndKnownWords) {
    FakeMainWindowHost host;
    open(host, 0, 2);
    std::set<int> expected = openedFileItems;
    expected.insert({cmd::NewCards, cmd::Overview, cmd::ExamKnownWords});
    EXPECT_EQ(enabledCommands(host), withAlwaysEnabled(expected));
    EXPECT_EQ(enabledButtons(host), std::set<int>{ctl::NewCardButton});
}

TEST(MenuState, threeCardsEnableTheListCommandsButNotSystematicNorKnownWords) {
    FakeMainWindowHost host;
    open(host, 3, 0);
    std::set<int> expected = openedFileItems;
    expected.insert({cmd::NewCards, cmd::Overview, cmd::Print, cmd::PrintCards, cmd::ExamInOrder,
                     cmd::ExamRandom, cmd::Statistics, cmd::Sort, cmd::ExchangeQA, cmd::ModifyCards,
                     cmd::ChooseLesson, cmd::ChooseLevel});
    EXPECT_EQ(enabledCommands(host), withAlwaysEnabled(expected));
    EXPECT_EQ(enabledButtons(host),
              (std::set<int>{ctl::NewCardButton, ctl::InOrderButton, ctl::RandomButton,
                             ctl::ExchangeButton, ctl::OverviewButton}));
}

TEST(MenuState, systematicExaminationNeedsMoreThanTenCards) {
    for (int count : {4, 10, 11, 20, 21}) {
        FakeMainWindowHost host;
        open(host, count, 1);
        bool expected = count > 10;
        EXPECT_EQ(host.isCommandEnabled(cmd::SystematicExam), expected) << count;
        EXPECT_EQ(host.isButtonEnabled(ctl::SystematicButton), expected) << count;
        EXPECT_TRUE(host.isCommandEnabled(cmd::ExamKnownWords)) << count;
        EXPECT_FALSE(host.isCommandEnabled(cmd::NewList)) << count;
        EXPECT_FALSE(host.isCommandEnabled(cmd::OpenList)) << count;
    }
}

TEST(MenuState, openingNeverEnablesWrongWordsLessonOrLevelRuns) {
    FakeMainWindowHost host;
    open(host, 30, 5);
    for (int id : {cmd::ExamWrongWords, cmd::LessonInOrder, cmd::LessonRandom,
                   cmd::LessonSystematic, cmd::LevelInOrder})
        EXPECT_FALSE(host.isCommandEnabled(id)) << id;
    EXPECT_FALSE(host.isButtonEnabled(ctl::WrongWordsButton));
}

TEST(MenuState, closeReturnsToNoListButLeavesPreferencesQuitAndFontsAlone) {
    FakeMainWindowHost host;
    open(host, 25, 3);
    host.setCommandEnabled(cmd::ExamWrongWords, true);
    host.setButtonEnabled(ctl::WrongWordsButton, true);
    host.setCommandEnabled(cmd::LevelInOrder, true);
    host.setCommandEnabled(cmd::QuestionFont, false); // must stay as it is
    applyNoListState(host);
    std::set<int> expected = withAlwaysEnabled({cmd::NewList, cmd::OpenList});
    expected.erase(cmd::QuestionFont);
    EXPECT_EQ(enabledCommands(host), expected);
    EXPECT_TRUE(enabledButtons(host).empty());
}

TEST(MenuState, newListGraysOpenAndCloseAndEnablesOverview) {
    FakeMainWindowHost host;
    applyStartState(host);
    applyNewListState(host);
    EXPECT_FALSE(host.isCommandEnabled(cmd::OpenList));
    EXPECT_FALSE(host.isCommandEnabled(cmd::CloseList));
    EXPECT_TRUE(host.isCommandEnabled(cmd::Overview));
    EXPECT_TRUE(host.isCommandEnabled(cmd::NewList)); // the new-card window grays it
    EXPECT_FALSE(host.isButtonEnabled(ctl::OverviewButton));
}

TEST(MenuState, autoStartBySizeOfTheMainList) {
    EXPECT_EQ(autoStartCommand(0), 0);
    EXPECT_EQ(autoStartCommand(3), 0);
    EXPECT_EQ(autoStartCommand(4), cmd::ExamInOrder);
    EXPECT_EQ(autoStartCommand(20), cmd::ExamInOrder);
    EXPECT_EQ(autoStartCommand(21), cmd::SystematicExam);
}

TEST(MenuState, startButtonPrefersSystematicThenRandomThenInOrder) {
    EXPECT_EQ(chooseStart(true, true, true), StartChoice::Systematic);
    EXPECT_EQ(chooseStart(false, true, true), StartChoice::Random);
    EXPECT_EQ(chooseStart(false, false, true), StartChoice::InOrder);
    EXPECT_EQ(chooseStart(false, false, false), StartChoice::Beep);

    FakeMainWindowHost host;
    open(host, 15, 0);
    EXPECT_EQ(startButtonCommand(host), cmd::SystematicExam);
    host.setCommandEnabled(cmd::SystematicExam, false); // its window is open
    EXPECT_EQ(startButtonCommand(host), cmd::ExamRandom);
    host.setCommandEnabled(cmd::ExamRandom, false);
    EXPECT_EQ(startButtonCommand(host), cmd::ExamInOrder);
    host.setCommandEnabled(cmd::ExamInOrder, false);
    EXPECT_EQ(startButtonCommand(host), 0);
}
