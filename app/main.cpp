#include "cards/card_commands.h"
#include "exam/exam_commands.h"
#include "exam/open_exams.h"
#include "exam/random_number.h"
#include "print/print_commands.h"
#include "resources/app_icon.h"
#include "shell/command_line.h"
#include "shell/font_commands.h"
#include "shell/main_window.h"
#include "shell/preferences_io.h"
#include "shell/quit_program.h"
#include "store/card_store.h"
#include "store/clock.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

#include <QApplication>

int main(int argc, char** argv) {
    clearList(mainList);
    seedRandomNumber(wallClockMillis());
    QApplication application(argc, argv);
    QApplication::setWindowIcon(pictures::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("zelkora"));
    ui::installMessageBoxes();
    ui::registerFontSubstitutes();
    shell::makeStartFonts();
    installExamCommands();
    installCardCommands();
    setExamWindowQuery(examIsOpen);
    installPrintCommands();

    MainWindow window(shell::joinCommandLine(argc, argv));
    shell::loadPreferences(shell::profileStore());
    window.show();
    // Ends through quitProgram, which leaves the loop with status 0.
    return application.exec();
}
