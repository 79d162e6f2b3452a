#include "listfile/file_io.h"
#include "listfile/list_writer.h"
#include "listfile_fixture.h"
#include "tests/listfile/save_loop/kill_list.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

using KillTest = ListFileTest;

constexpr int kCards = 3000;
constexpr int kKills = 40;

std::string versionBytes(int version) {
    makeKillList(kCards, version);
    std::string bytes = listFileBytes(mainList, knownList, killListFont(), killListFont());
    resetCardStore();
    return bytes;
}

// Starts the child that saves the list over and over; returns its id once it has saved once.
pid_t startSaving(const std::string& list) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string cards = std::to_string(kCards);
    char* argv[] = {const_cast<char*>(ZELKORA_SAVE_LOOP), const_cast<char*>(list.c_str()),
                    cards.data(), nullptr};
    pid_t child = -1;
    if (posix_spawn(&child, ZELKORA_SAVE_LOOP, &actions, nullptr, argv, environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char said[6];
    if (child > 0 && read(out[0], said, sizeof said) != static_cast<ssize_t>(sizeof said)) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        child = -1;
    }
    close(out[0]);
    return child;
}

// A child killed at a random moment of its saves leaves the list whole: the old version or the
// new one, never a mixture, a cut file or none.
TEST_F(KillTest, aSaveKilledAnywhereLeavesTheOldOrTheNewFile) {
    const std::string first = versionBytes(1);
    const std::string second = versionBytes(2);
    const std::string list = path("list.zlk");
    std::mt19937 random(std::random_device{}());
    // The moment of the kill is what the test varies: somewhere inside one save or the next.
    std::uniform_int_distribution<int> delayMicros(0, 20000);
    int oldOrNew[2] = {0, 0};
    int leftovers = 0;
    for (int run = 0; run < kKills; ++run) {
        pid_t child = startSaving(list);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string found = fileBytes(list);
        ASSERT_TRUE(found == first || found == second) << "run " << run << ": " << found.size();
        ++oldOrNew[found == first ? 0 : 1];
        leftovers += static_cast<int>(std::distance(fs::directory_iterator(path("")), {})) - 2;
    }
    // The next save clears what the killed ones left.
    ASSERT_TRUE(replaceFile(list, first).ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(path("")), {}), 2); // the list and the log
    std::printf("[ figures  ] %d kills: %d left version 1, %d version 2, 0 damaged; "
                "%d temporary files seen after the kills, none after the next save\n",
                kKills, oldOrNew[0], oldOrNew[1], leftovers);
}

} // namespace
