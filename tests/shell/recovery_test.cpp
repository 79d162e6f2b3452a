#include "exam/levels.h"
#include "listfile/recovery_file.h"
#include "shell/file_commands.h"
#include "shell/quit_program.h"
#include "shell/recovery.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/qt_message_box_answers.h"

#include <QDir>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace shell;
using ui::MessageAnswer;

class RecoveryTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        QDir(QString::fromStdString(recoveryFolder())).removeRecursively();
    }
    void TearDown() override {
        waitForAutosave();
        QDir(QString::fromStdString(recoveryFolder())).removeRecursively();
        ShellTest::TearDown();
    }
    static std::size_t pending() { return pendingRecoveries(recoveryFolder()).size(); }
};

namespace {

// Runs the learner's run in a child: it opens the list, answers the first cards right, has the
// recovery file written, and is then killed. True when it got that far.
bool answerThenGetKilled(const std::string& list, int answers) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::string count = std::to_string(answers);
    char* argv[] = {const_cast<char*>(ZELKORA_ANSWER_CHILD), const_cast<char*>(list.c_str()),
                    count.data(), nullptr};
    pid_t child = -1;
    bool started = posix_spawn(&child, ZELKORA_ANSWER_CHILD, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char said[6];
    bool saved = started && read(out[0], said, sizeof said) == static_cast<ssize_t>(sizeof said);
    close(out[0]);
    if (started) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return saved;
}

} // namespace

TEST_F(RecoveryTest, answersOfAKilledRunAreRestoredAtTheNextStart) {
    const std::string list = writeList("list.zlk", 5, 1);
    ASSERT_TRUE(answerThenGetKilled(list, 3));

    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Yes);
    ASSERT_TRUE(offerRecovery());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("list.zlk")));
    EXPECT_EQ(boxes.boxes[0].yesText, QStringLiteral("&Restore"));
    EXPECT_EQ(boxes.boxes[0].noText, QStringLiteral("&Discard"));
    std::vector<int> levels;
    mainList.forEach([&](const Card* card) { levels.push_back(card->level); });
    EXPECT_EQ(levels, (std::vector<int>{1, 1, 1, 0, 0}));
    EXPECT_EQ(countCards(knownList), 1);
    EXPECT_EQ(currentFileName, list);
    EXPECT_EQ(modifiedFlag, 1); // restored, not yet saved

    ASSERT_TRUE(saveList()); // saving makes the recovery file needless
    EXPECT_EQ(pending(), 0u);
    EXPECT_NE(contents(list).find("q0\ta0\t-\t-\t1\t"), std::string::npos);
}

TEST_F(RecoveryTest, autosaveWritesOnlyChangesAndGoesWithCloseOrAQuitTheUserEnded) {
    ASSERT_TRUE(openList(writeList("list.zlk", 3, 0)));
    EXPECT_FALSE(autosaveNow()); // nothing changed
    answerRight(mainList.slot(0), 1);
    EXPECT_TRUE(autosaveNow());
    waitForAutosave();
    EXPECT_FALSE(autosaveNow()); // the same bytes again
    EXPECT_EQ(pending(), 1u);

    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Cancel); // decide later: kept
    boxes.queue(MessageAnswer::No);     // discard: gone
    EXPECT_FALSE(offerRecovery());
    EXPECT_EQ(pending(), 1u);
    EXPECT_FALSE(offerRecovery());
    EXPECT_EQ(pending(), 0u);

    answerRight(mainList.slot(1), 2);
    EXPECT_TRUE(autosaveNow());
    boxes.queue(MessageAnswer::No); // close without saving
    ASSERT_TRUE(closeList());
    EXPECT_EQ(pending(), 0u);

    ASSERT_TRUE(openList(path("list.zlk")));
    answerRight(mainList.slot(0), 1);
    EXPECT_TRUE(autosaveNow());
    boxes.queue(MessageAnswer::No);
    quitProgram();
    EXPECT_EQ(exitStatuses, std::vector<int>{0});
    EXPECT_EQ(pending(), 0u);
}
