#include "cards/card_commands.h"
#include "exam/exam_commands.h"
#include "exam/open_exams.h"
#include "exam/random_number.h"
#include "listfile/kvtml_reader.h"
#include "print/print_commands.h"
#include "resources/app_icon.h"
#include "resources/translations.h"
#include "shell/command_line.h"
#include "shell/font_commands.h"
#include "shell/language_chooser_dialog.h"
#include "shell/main_window.h"
#include "shell/preferences_io.h"
#include "shell/quit_program.h"
#include "store/card_store.h"
#include "store/clock.h"
#include "ui/action_timing.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

#include <QApplication>

#include <cstdio>

namespace {

// --help and --version answer on the terminal, without a window or a display.
int answerOnTheTerminal(const shell::CommandLine& commandLine, int& argc, char** argv) {
    QCoreApplication application(argc, argv);
    translations::install();
    const std::string text = commandLine.action == shell::CommandLine::Action::Help
                                 ? shell::usageText().toStdString()
                                 : shell::versionText();
    std::fputs(text.c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // The whole command line names the list. Read it before QApplication exists, and give Qt only
    // the program's name: it would take its own options (-reverse, -style ...) out of argv and act
    // on them, while here they are part of the path. Qt's environment variables still apply.
    const shell::CommandLine commandLine = shell::readCommandLine(argc, argv);
    int qtArgc = 1;
    if (commandLine.action != shell::CommandLine::Action::Run)
        return answerOnTheTerminal(commandLine, qtArgc, argv);

    clearList(mainList);
    seedRandomNumber(wallClockMillis());
    QApplication application(qtArgc, argv);
    translations::install(); // the system's language, English where none is shipped
    QApplication::setWindowIcon(pictures::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("zelkora"));
    ui::installMessageBoxes();
    ui::registerFontSubstitutes();
    shell::makeStartFonts();
    installExamCommands();
    installCardCommands();
    setExamWindowQuery(examIsOpen);
    installPrintCommands();
    setLanguageChooser(shell::chooseLanguages);

    MainWindow window(commandLine.listPath);
    shell::loadPreferences(shell::profileStore());
    ui::installActionTiming();
    window.show();
    // Ends through quitProgram, which leaves the loop with status 0.
    return application.exec();
}
