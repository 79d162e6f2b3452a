#include "cards/entry_update.h"
#include "resources/command_ids.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

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

// Records what the update does to the main window, in order: ('c', command), ('b', button),
// ('u', 0) for the counters.
class OrderRecordingHost : public ui::MainWindowHost {
public:
    QWidget* window() override { return nullptr; }
    void setCommandEnabled(int id, bool enabled) override {
        if (enabled)
            steps.emplace_back('c', id);
    }
    bool isCommandEnabled(int) const override { return false; }
    void setButtonEnabled(int id, bool enabled) override {
        if (enabled)
            steps.emplace_back('b', id);
    }
    void updateCounters() override { steps.emplace_back('u', 0); }

    int at(char kind, int id) const {
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (steps[i] == std::make_pair(kind, id))
                return static_cast<int>(i);
        ADD_FAILURE() << kind << ' ' << id << " not done";
        return -1;
    }
    std::vector<std::pair<char, int>> steps;
};

TEST(EntryUpdate, stepsComeInTheirOrder_fileButtonsExaminationsCardsChoosersCounters) {
    OrderRecordingHost host;
    updateMainWindowAfterEntry(host, 11, nullptr);
    const std::vector<int> order = {host.at('c', cmd::Print),
                                    host.at('b', ctl::OverviewButton),
                                    host.at('b', ctl::ExchangeButton),
                                    host.at('c', cmd::ExamInOrder),
                                    host.at('b', ctl::InOrderButton),
                                    host.at('c', cmd::ExamRandom),
                                    host.at('c', cmd::SystematicExam),
                                    host.at('b', ctl::SystematicButton),
                                    host.at('c', cmd::Sort),
                                    host.at('c', cmd::ExchangeQA),
                                    host.at('c', cmd::ModifyCards),
                                    host.at('c', cmd::Statistics),
                                    host.at('c', cmd::ChooseLesson),
                                    host.at('c', cmd::ChooseLevel),
                                    host.at('u', 0)};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.back(), static_cast<int>(host.steps.size()) - 1);
}

} // namespace
