// Saves a list over and over, the two versions in turn, until it is killed. Tells its parent on
// standard output once the first save is done.
#include "listfile/list_writer.h"
#include "tests/listfile/save_loop/kill_list.h"

#include <unistd.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string path = argv[1];
    const int cards = std::atoi(argv[2]);
    for (int round = 0;; ++round) {
        makeKillList(cards, round % 2 + 1);
        FileInfo info;
        if (!writeListFile(mainList, path, info, killListFont(), killListFont()).ok())
            return 1;
        if (round == 0 && write(STDOUT_FILENO, "saved\n", 6) != 6)
            return 1;
    }
}
