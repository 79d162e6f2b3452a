#include "shell/menu_state.h"

#include "resources/command_ids.h"
#include "ui/main_window_host.h"

#include <initializer_list>

namespace shell {
namespace {

// Every command that depends on a list being open (all but Preferences, Quit and the fonts).
constexpr int listCommands[] = {cmd::CloseList,
                                cmd::SaveList,
                                cmd::SaveListAs,
                                cmd::ExportCards,
                                cmd::ExportQuestions,
                                cmd::ExportAnswers,
                                cmd::Print,
                                cmd::PrintCards,
                                cmd::SystematicExam,
                                cmd::ExamInOrder,
                                cmd::ExamRandom,
                                cmd::ExamWrongWords,
                                cmd::NewCards,
                                cmd::ModifyCards,
                                cmd::Sort,
                                cmd::ExchangeQA,
                                cmd::Overview,
                                cmd::Statistics,
                                cmd::ExamKnownWords,
                                cmd::ChooseLesson,
                                cmd::LessonInOrder,
                                cmd::LessonRandom,
                                cmd::LessonSystematic,
                                cmd::ChooseLevel,
                                cmd::LevelInOrder,
                                cmd::ExportForOtherPrograms};

constexpr int textButtons[] = {ctl::SystematicButton, ctl::InOrderButton, ctl::RandomButton,
                               ctl::WrongWordsButton, ctl::NewCardButton, ctl::OverviewButton,
                               ctl::ExchangeButton};

void enable(ui::MainWindowHost& host, std::initializer_list<int> commands) {
    for (int id : commands)
        host.setCommandEnabled(id, true);
}

void enableButtons(ui::MainWindowHost& host, std::initializer_list<int> buttons) {
    for (int id : buttons)
        host.setButtonEnabled(id, true);
}

} // namespace

void applyNoListState(ui::MainWindowHost& host) {
    enable(host, {cmd::OpenList, cmd::NewList});
    for (int id : listCommands)
        host.setCommandEnabled(id, false);
    for (int id : textButtons)
        host.setButtonEnabled(id, false);
}

void applyStartState(ui::MainWindowHost& host) {
    applyNoListState(host);
    enable(host, {cmd::Preferences, cmd::Quit, cmd::QuestionFont, cmd::AnswerFont});
}

void applyOpenedListState(ui::MainWindowHost& host, int mainCount, int knownCount) {
    host.setCommandEnabled(cmd::OpenList, false);
    host.setCommandEnabled(cmd::NewList, false);
    enable(host,
           {cmd::CloseList, cmd::SaveList, cmd::SaveListAs, cmd::ExportCards, cmd::ExportQuestions,
            cmd::ExportAnswers, cmd::ExportForOtherPrograms, cmd::Preferences, cmd::Quit});
    enable(host, {cmd::NewCards, cmd::Overview});
    enableButtons(host, {ctl::NewCardButton});
    if (mainCount > 0) {
        enable(host, {cmd::Print, cmd::PrintCards, cmd::ExamInOrder, cmd::ExamRandom});
        enableButtons(host, {ctl::InOrderButton, ctl::RandomButton});
        if (mainCount > 10) {
            enable(host, {cmd::SystematicExam});
            enableButtons(host, {ctl::SystematicButton});
        }
        enable(host, {cmd::Statistics, cmd::Sort, cmd::ExchangeQA, cmd::ModifyCards,
                      cmd::ChooseLesson, cmd::ChooseLevel});
        enableButtons(host, {ctl::ExchangeButton, ctl::OverviewButton});
    }
    if (knownCount > 0)
        enable(host, {cmd::ExamKnownWords});
}

void applyNewListState(ui::MainWindowHost& host) {
    host.setCommandEnabled(cmd::OpenList, false);
    host.setCommandEnabled(cmd::CloseList, false);
    host.setCommandEnabled(cmd::Overview, true);
}

int autoStartCommand(int mainCount) {
    if (mainCount > 20)
        return cmd::SystematicExam;
    if (mainCount > 3)
        return cmd::ExamInOrder;
    return 0;
}

StartChoice chooseStart(bool systematicEnabled, bool randomEnabled, bool inOrderEnabled) {
    if (systematicEnabled)
        return StartChoice::Systematic;
    if (randomEnabled)
        return StartChoice::Random;
    if (inOrderEnabled)
        return StartChoice::InOrder;
    return StartChoice::Beep;
}

int startButtonCommand(const ui::MainWindowHost& host) {
    switch (chooseStart(host.isCommandEnabled(cmd::SystematicExam),
                        host.isCommandEnabled(cmd::ExamRandom),
                        host.isCommandEnabled(cmd::ExamInOrder))) {
    case StartChoice::Systematic:
        return cmd::SystematicExam;
    case StartChoice::Random:
        return cmd::ExamRandom;
    case StartChoice::InOrder:
        return cmd::ExamInOrder;
    case StartChoice::Beep:
        break;
    }
    return 0;
}

} // namespace shell
