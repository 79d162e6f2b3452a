#include "cards/entry_update.h"
#include "resources/command_ids.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <gtest/gtest.h>

#include <set>

namespace {

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
