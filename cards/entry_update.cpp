#include "cards/entry_update.h"

#include "resources/command_ids.h"
#include "ui/main_window_host.h"

namespace {

void enableUnlessOpen(ui::MainWindowHost& host, int command, int button,
                      const WindowOpenQuery& windowOpen) {
    if (windowOpen && windowOpen(command))
        return;
    host.setCommandEnabled(command, true);
    if (button)
        host.setButtonEnabled(button, true);
}

struct ExamThreshold {
    int minimum;
    int command;
    int button;
};

constexpr ExamThreshold kExamThresholds[] = {
    {1, cmd::ExamInOrder, ctl::InOrderButton},
    {4, cmd::ExamRandom, ctl::RandomButton},
    {11, cmd::SystematicExam, ctl::SystematicButton},
};

} // namespace

void updateMainWindowAfterEntry(ui::MainWindowHost& host, int mainCount,
                                const WindowOpenQuery& windowOpen) {
    for (int command :
         {cmd::CloseList, cmd::SaveList, cmd::SaveListAs, cmd::ExportCards, cmd::ExportQuestions,
          cmd::ExportAnswers, cmd::ExportForOtherPrograms, cmd::Print, cmd::PrintCards})
        host.setCommandEnabled(command, true);

    // The two buttons first; the overview's menu command goes with its button.
    enableUnlessOpen(host, cmd::Overview, ctl::OverviewButton, windowOpen);
    host.setButtonEnabled(ctl::ExchangeButton, true);

    for (const ExamThreshold& exam : kExamThresholds)
        if (mainCount >= exam.minimum)
            enableUnlessOpen(host, exam.command, exam.button, windowOpen);

    for (int command : {cmd::Sort, cmd::ExchangeQA, cmd::ModifyCards, cmd::Statistics,
                        cmd::ChooseLesson, cmd::ChooseLevel})
        enableUnlessOpen(host, command, 0, windowOpen);

    host.updateCounters();
}
