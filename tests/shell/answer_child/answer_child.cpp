// Opens a list, answers its first cards right, lets the recovery file be written and then waits
// to be killed, as a learner's run that ends in a crash. Tells its parent on standard output
// once the recovery file is in place.
#include "exam/levels.h"
#include "shell/file_commands.h"
#include "shell/recovery.h"
#include "store/card_store.h"

#include <QApplication>

#include <unistd.h>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv); // the list's fonts are made as in the program
    if (argc != 3 || !shell::openList(argv[1]))
        return 2;
    for (int i = 0; i < std::atoi(argv[2]); ++i)
        answerRight(mainList.slot(i), i + 1);
    shell::waitForAutosave();
    if (!shell::autosaveNow())
        return 3;
    shell::waitForAutosave();
    if (write(STDOUT_FILENO, "saved\n", 6) != 6)
        return 4;
    for (;;)
        pause();
}
