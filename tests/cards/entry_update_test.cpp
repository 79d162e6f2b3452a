#include "cards/entry_update.h"
#include "resources/command_ids.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct ExamState {
    bool inOrder, random, systematic;
    bool operator==(const ExamState&) const = default;
};

ExamState examState(const FakeMainWindowHost& host) {
    return {host.isCommandEnabled(cmd::ExamInOrder) && host.isButtonEnabled(ctl::InOrderButton),
            host.isCommandEnabled(cmd::ExamRandom) && host.isButtonEnabled(ctl::RandomButton),
            host.isCommandEnabled(cmd::SystematicExam) &&
                host.isButtonEnabled(ctl::SystematicButton)};
}

TEST(EntryUpdate, examinationsBecomeAvailableAtOneFourAndElevenCards) {
    FakeMainWindowHost host;
    for (int command : {cmd::ExamInOrder, cmd::ExamRandom, cmd::SystematicExam})
        host.setCommandEnabled(command, false);
    for (int button : {ctl::InOrderButton, ctl::RandomButton, ctl::SystematicButton})
        host.setButtonEnabled(button, false);
    std::vector<ExamState> states;
    for (int count = 1; count <= 12; ++count) {
        updateMainWindowAfterEntry(host, count, nullptr);
        states.push_back(examState(host));
    }
    EXPECT_EQ(states[0], (ExamState{true, false, false}));
    EXPECT_EQ(states[1], states[0]);
    EXPECT_EQ(states[3], (ExamState{true, true, false}));
    EXPECT_EQ(states[4], states[3]);
    EXPECT_EQ(states[9], states[3]);
    EXPECT_EQ(states[10], (ExamState{true, true, true}));
    EXPECT_EQ(states[11], states[10]);
    EXPECT_EQ(host.counterUpdates, 12);
}

TEST(EntryUpdate, enablesFileAndCardCommandsButNeverOneWhoseWindowIsOpen) {
    FakeMainWindowHost host;
    for (int command : {cmd::ExamRandom, cmd::Overview, cmd::Statistics})
        host.setCommandEnabled(command, false);
    host.setButtonEnabled(ctl::OverviewButton, false);
    host.setButtonEnabled(ctl::RandomButton, false);
    std::set<int> open = {cmd::ExamRandom, cmd::Overview, cmd::Statistics};
    updateMainWindowAfterEntry(host, 20, [&](int command) { return open.count(command) != 0; });
    for (int command :
         {cmd::CloseList, cmd::SaveList, cmd::SaveListAs, cmd::ExportCards, cmd::ExportQuestions,
          cmd::ExportAnswers, cmd::Print, cmd::Sort, cmd::ExchangeQA, cmd::ModifyCards,
          cmd::ChooseLesson, cmd::ChooseLevel, cmd::ExamInOrder, cmd::SystematicExam})
        EXPECT_TRUE(host.isCommandEnabled(command)) << command;
    EXPECT_TRUE(host.isButtonEnabled(ctl::ExchangeButton));
    for (int command : open)
        EXPECT_FALSE(host.isCommandEnabled(command)) << command;
    EXPECT_FALSE(host.isButtonEnabled(ctl::OverviewButton));
    EXPECT_FALSE(host.isButtonEnabled(ctl::RandomButton));
    // Commands this update has nothing to do with are left alone.
    for (int command : {cmd::NewList, cmd::OpenList, cmd::NewCards, cmd::ExamWrongWords,
                        cmd::ExamKnownWords, cmd::LevelInOrder})
        EXPECT_EQ(host.commands.count(command), 0u) << command;
}

} // namespace
