#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "shell/file_commands.h"
#include "shell/quit_program.h"
#include "shell/shell_texts.h"
#include "store/window_registry.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/qt_file_dialog_answers.h"
#include "tests/support/qt_message_box_answers.h"

#include <QDir>

using namespace shell;
using ui::MessageAnswer;

namespace {

const std::vector<std::string> saveFailed = {strings::text(text::SaveFailed)};

// The failure message with its second line: why, and the full path.
std::string saveFailedBecause(const char* reason, const std::string& path) {
    return strings::text(text::SaveFailed) + std::string("\n") + reason + ": " + path;
}

// A window on the list that checks, when Close List destroys it, that the cards still exist.
class ListWindow : public RegisteredWindow {
public:
    ListWindow() { registerWindow(this); }
    ~ListWindow() override {
        if (isWindowOpen(this))
            unregisterWindow(this);
    }
    void destroyWindow() override {
        cardsWhenDestroyed = countCards(mainList);
        unregisterWindow(this);
    }
    int cardsWhenDestroyed = -1;
};

} // namespace

class SaveCloseTest : public ShellTest {
protected:
    // An opened list of three cards with unsaved changes.
    void openChangedList() {
        ASSERT_TRUE(openList(writeList("list.zlk", 3, 1)));
        addCard(mainList, "new", "neu", "-", "-");
        ASSERT_EQ(modifiedFlag, 1);
    }
    // A folder in the file's place: every write to it fails, as for any user.
    void blockWrite(const char* name) {
        QFile::remove(qpath(name));
        ASSERT_TRUE(QDir().mkdir(qpath(name)));
    }
};

TEST_F(SaveCloseTest, untitledListAsksForANameOnceAndThenSavesToIt) {
    addCard(mainList, "house", "Haus", "-", "-");
    FileDialogAnswers dialogs;
    dialogs.choose(qpath("mine")); // the default extension is added
    ASSERT_TRUE(saveList());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save this file as:"));
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("UNTITLED"));
    EXPECT_EQ(dialogs.requests[0].defaultExtension, QStringLiteral("zlk"));
    EXPECT_EQ(currentFileName, path("mine.zlk"));
    EXPECT_EQ(modifiedFlag, 0);

    addCard(mainList, "tree", "Baum", "-", "-");
    ASSERT_TRUE(saveList()); // no second dialog: the queue is empty
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_NE(contents(path("mine.zlk")).find("tree\tBaum"), std::string::npos);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(SaveCloseTest, saveAsFailuresAreReportedAndAFailedWriteStillTakesTheName) {
    openChangedList();
    FileDialogAnswers dialogs;
    dialogs.cancel();
    dialogs.choose(qpath("no-such-folder/x.zlk")); // the dialog fails
    dialogs.choose(qpath("other.zlk"));
    EXPECT_FALSE(saveAs(SaveKind::List));
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_FALSE(saveAs(SaveKind::List));
    EXPECT_EQ(notices.texts(), saveFailed);
    EXPECT_EQ(currentFileName, path("list.zlk"));
    // The chosen name leads into a folder that is gone: the dialog takes it, the write fails.
    ASSERT_TRUE(QFile::link(qpath("gone/other.zlk"), qpath("other.zlk")));
    EXPECT_FALSE(saveAs(SaveKind::List));
    ASSERT_EQ(notices.entries.size(), 2u);
    EXPECT_EQ(notices.entries[1].text, saveFailedBecause("Folder missing", path("other.zlk")));
    EXPECT_EQ(currentFileName, path("other.zlk"));
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_FALSE(exists(path("gone")));
}

TEST_F(SaveCloseTest, saveListReportsAFailedWriteWithItsReason) {
    openChangedList();
    // No write permission bit: refused for every user, the superuser too, and left as it was.
    QFile::setPermissions(qpath("list.zlk"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const std::string before = contents(path("list.zlk"));
    EXPECT_FALSE(saveList());
    EXPECT_EQ(contents(path("list.zlk")), before);
    blockWrite("list.zlk");
    EXPECT_FALSE(saveList());
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{saveFailedBecause("Read-only", path("list.zlk")),
                                        saveFailedBecause("Not a file", path("list.zlk"))}));
    EXPECT_EQ(modifiedFlag, 1);
}

TEST_F(SaveCloseTest, exportsWriteTextAndLeaveTheListUnsaved) {
    openChangedList();
    FileDialogAnswers dialogs;
    dialogs.choose(qpath("cards"));
    dialogs.choose(qpath("questions.txt"));
    dialogs.choose(qpath("answers.txt"));
    ASSERT_TRUE(saveAs(SaveKind::Cards));
    ASSERT_TRUE(saveAs(SaveKind::Questions));
    ASSERT_TRUE(saveAs(SaveKind::Answers));
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Export this file as:"));
    EXPECT_EQ(dialogs.requests[0].filters[0].description, QStringLiteral("text file"));
    EXPECT_TRUE(dialogs.requests[0].initialName.isEmpty());
    EXPECT_EQ(contents(path("cards.txt")), "q0\ta0\r\nq1\ta1\r\nq2\ta2\r\nnew\tneu\r\nk0\tb0\r\n");
    EXPECT_EQ(contents(path("questions.txt")), "q0\r\nq1\r\nq2\r\nnew\r\nk0\r\n");
    EXPECT_EQ(contents(path("answers.txt")), "a0\r\na1\r\na2\r\nneu\r\nb0\r\n");
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_EQ(currentFileName, path("list.zlk"));

    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::No);
    EXPECT_TRUE(closeList());
    EXPECT_EQ(boxes.boxes.size(), 1u); // closing still asks about saving
}

TEST_F(SaveCloseTest, aRefusedWriteIsExplainedByOneMessageOnly) {
    // Every card known: the exports refuse with their own message and touch no file.
    ASSERT_TRUE(openList(writeList("known.zlk", 0, 2)));
    FileDialogAnswers dialogs;
    dialogs.choose(qpath("cards.txt"));
    EXPECT_FALSE(saveAs(SaveKind::Cards));
    EXPECT_EQ(notices.texts(), std::vector<std::string>{strings::text(102)});
    EXPECT_FALSE(exists(path("cards.txt")));

    // No card left at all: the list file is refused the same way and stays as it was.
    const std::string before = contents(path("known.zlk"));
    resetCardStore();
    EXPECT_FALSE(saveList());
    EXPECT_EQ(notices.texts(), std::vector<std::string>(2, strings::text(102)));
    EXPECT_EQ(contents(path("known.zlk")), before);
}

TEST_F(SaveCloseTest, closeQuestionCancelLeavesEverythingAsItWas) {
    openChangedList();
    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Cancel);
    EXPECT_FALSE(closeList());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Caution:"));
    EXPECT_EQ(boxes.boxes[0].buttons, ui::MessageButtons::YesNoCancel);
    EXPECT_EQ(boxes.boxes[0].icon, ui::MessageIcon::Warning);
    EXPECT_EQ(countCards(mainList), 4);
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_TRUE(host.isCommandEnabled(cmd::CloseList));
}

TEST_F(SaveCloseTest, closeWithNoDestroysWindowsBeforeTheCardsAndReturnsToNoList) {
    openChangedList();
    ListWindow window;
    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::No);
    ASSERT_TRUE(closeList());
    EXPECT_EQ(window.cardsWhenDestroyed, 4);
    EXPECT_EQ(registeredWindowCount(), 0);
    EXPECT_EQ(countCards(mainList) + countCards(knownList), 0);
    EXPECT_EQ(nextCardId, 0);
    EXPECT_EQ(modifiedFlag, 0);
    EXPECT_EQ(currentFileName, "UNTITLED");
    EXPECT_TRUE(host.isCommandEnabled(cmd::OpenList));
    EXPECT_TRUE(host.isCommandEnabled(cmd::NewList));
    EXPECT_FALSE(host.isCommandEnabled(cmd::SaveList));
    EXPECT_FALSE(host.isButtonEnabled(ctl::InOrderButton));
    EXPECT_EQ(host.counterUpdates, 2); // open and close
}

TEST_F(SaveCloseTest, closeWithYesAlwaysAsksForANameAndKeepsTheListWhenThatSaveFails) {
    openChangedList();
    MessageBoxAnswers boxes;
    FileDialogAnswers dialogs;
    boxes.queue(MessageAnswer::Yes);
    dialogs.cancel();
    EXPECT_FALSE(closeList()); // cancelled save: nothing is lost
    EXPECT_EQ(countCards(mainList), 4);
    EXPECT_EQ(dialogs.requests.size(), 1u); // asked although the list has a file

    boxes.queue(MessageAnswer::Yes);
    dialogs.choose(qpath("saved.zlk"));
    writeFile("saved.zlk", "");
    QFile::setPermissions(qpath("saved.zlk"), QFileDevice::ReadOwner);
    EXPECT_FALSE(closeList()); // failed save: nothing is lost
    EXPECT_EQ(countCards(mainList), 4);
    EXPECT_EQ(notices.texts(), std::vector{saveFailedBecause("Read-only", path("saved.zlk"))});

    QFile::setPermissions(qpath("saved.zlk"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    boxes.queue(MessageAnswer::Yes);
    dialogs.choose(qpath("saved.zlk"));
    EXPECT_TRUE(closeList());
    EXPECT_TRUE(mainList.empty());
    EXPECT_NE(contents(path("saved.zlk")).find("new\tneu"), std::string::npos);
}

TEST_F(SaveCloseTest, closingAnUnchangedListAsksNothing) {
    ASSERT_TRUE(openList(writeList("list.zlk", 2, 0)));
    EXPECT_TRUE(closeList()); // an unexpected box would fail the test
    EXPECT_TRUE(mainList.empty());
}

TEST_F(SaveCloseTest, quitWithYesSavesToTheListsFileWritesPreferencesAndEndsWithZero) {
    openChangedList();
    preferences.knownThreshold = 9;
    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Yes);
    quitProgram(); // no file dialog: the list has its file
    EXPECT_EQ(exitStatuses, std::vector<int>{0});
    EXPECT_NE(contents(path("list.zlk")).find("new\tneu"), std::string::npos);
    EXPECT_EQ(profile.ints.at("Maxstufe"), 9);
    EXPECT_TRUE(mainList.empty());
    EXPECT_TRUE(knownList.empty());
}

TEST_F(SaveCloseTest, quitCancelledOrWithAFailedSaveKeepsTheProgramRunning) {
    openChangedList();
    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Cancel);
    quitProgram();
    boxes.queue(MessageAnswer::Yes);
    blockWrite("list.zlk");
    quitProgram();
    EXPECT_TRUE(exitStatuses.empty());
    EXPECT_TRUE(profile.ints.empty());
    EXPECT_EQ(countCards(mainList), 4);
    EXPECT_EQ(notices.texts(), std::vector{saveFailedBecause("Not a file", path("list.zlk"))});

    boxes.queue(MessageAnswer::No);
    quitProgram();
    EXPECT_EQ(exitStatuses, std::vector<int>{0});
    EXPECT_EQ(profile.ints.size(), 6u);
}

TEST_F(SaveCloseTest, aListImportedFromTextIsSavedAsAListFileNeverIntoTheTextFile) {
    const std::string text = writeFile("words.txt", "house\tHaus\r\n");
    ASSERT_TRUE(openList(text));
    addCard(mainList, "tree", "Baum", "-", "-");
    FileDialogAnswers dialogs;
    MessageBoxAnswers boxes;
    boxes.queue(MessageAnswer::Yes);
    dialogs.cancel();
    quitProgram(); // quitting asks for a name too, and the cancelled save keeps the program
    EXPECT_TRUE(exitStatuses.empty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save this file as:"));
    EXPECT_EQ(dialogs.requests[0].initialName, qpath("words.zlk"));

    dialogs.choose(qpath("words.zlk"));
    ASSERT_TRUE(saveList());
    EXPECT_EQ(currentFileName, path("words.zlk"));
    addCard(mainList, "moon", "Mond", "-", "-");
    ASSERT_TRUE(saveList()); // the list has its own file now: no further dialog
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_NE(contents(path("words.zlk")).find("moon\tMond"), std::string::npos);
    EXPECT_EQ(contents(text), "house\tHaus\r\n");
}

TEST_F(SaveCloseTest, listsOfOtherTrainersAreSavedAsListFilesToo) {
    const std::pair<const char*, const char*> files[] = {
        {"words.csv", "house,Haus\r\n"},
        {"words.kvtml", "<kvtml><entries><entry id=\"0\"><translation id=\"0\"><text>house</text>"
                        "</translation></entry></entries></kvtml>"}};
    for (auto [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string file = writeFile(name, bytes);
        ASSERT_TRUE(openList(file));
        FileDialogAnswers dialogs;
        dialogs.cancel();
        EXPECT_FALSE(saveList());
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].initialName, qpath("words.zlk"));
        EXPECT_EQ(contents(file), bytes);
        ASSERT_TRUE(closeList());
    }
}

TEST_F(SaveCloseTest, aTextFileNamedLikeAListIsNotOfferedAsTheNewName) {
    const std::string text = writeFile("plain.zlk", "house\tHaus\r\n");
    ASSERT_TRUE(openList(text));
    FileDialogAnswers dialogs;
    dialogs.cancel();
    EXPECT_FALSE(saveList());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("UNTITLED"));
    EXPECT_EQ(contents(text), "house\tHaus\r\n");
}
