#include "shell/main_window.h"

#include "resources/command_ids.h"
#include "shell/about_dialog.h"
#include "shell/card_order_commands.h"
#include "shell/file_commands.h"
#include "shell/font_commands.h"
#include "shell/preferences_dialog.h"
#include "shell/quit_program.h"
#include "ui/command_registry.h"
#include "ui/modal.h"

namespace {

// The commands the main window carries out itself; false for those of the other layers.
bool runShellCommand(int commandId, QWidget* owner) {
    switch (commandId) {
    case cmd::NewList:
        shell::newList();
        return true;
    case cmd::OpenList:
        shell::openListCommand();
        return true;
    case cmd::CloseList:
        shell::closeList();
        return true;
    case cmd::SaveList:
        shell::saveList();
        return true;
    case cmd::SaveListAs:
        shell::saveAs(shell::SaveKind::List);
        return true;
    case cmd::ExportCards:
        shell::saveAs(shell::SaveKind::Cards);
        return true;
    case cmd::ExportQuestions:
        shell::saveAs(shell::SaveKind::Questions);
        return true;
    case cmd::ExportAnswers:
        shell::saveAs(shell::SaveKind::Answers);
        return true;
    case cmd::ExportForOtherPrograms:
        shell::saveAs(shell::SaveKind::OtherPrograms);
        return true;
    case cmd::Quit:
        shell::quitProgram();
        return true;
    case cmd::QuestionFont:
        shell::chooseQuestionFont();
        return true;
    case cmd::AnswerFont:
        shell::chooseAnswerFont();
        return true;
    case cmd::Sort:
        shell::sortMainList();
        return true;
    case cmd::ExchangeQA:
        shell::exchangeQuestionAndAnswer();
        return true;
    case cmd::Preferences: {
        PreferencesDialog dialog(owner);
        ui::runModal(dialog);
        return true;
    }
    case cmd::About: {
        AboutDialog dialog(owner);
        ui::runModal(dialog);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

void MainWindow::runCommand(int commandId) {
    // A command of another layer with no handler installed does nothing.
    if (!runShellCommand(commandId, this))
        ui::runCommand(commandId);
}
