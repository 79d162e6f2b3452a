#include "listfile/kvtml_reader.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "shell/command_line.h"
#include "shell/file_commands.h"
#include "shell/language_chooser_dialog.h"
#include "shell/shell_texts.h"
#include "store/window_registry.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/qt_file_dialog_answers.h"
#include "tests/support/qt_modal_answers.h"

#include <QComboBox>
#include <cerrno>
#include <cstring>

using namespace shell;

namespace {
std::string tableText(int number) {
    return strings::text(number);
}
} // namespace

class OpenListTest : public ShellTest {};

TEST_F(OpenListTest, startsTheExaminationThatFitsTheNumberOfCards) {
    struct Case {
        int cards;
        std::vector<int> started;
    };
    const Case cases[] = {{3, {}},
                          {4, {cmd::ExamInOrder}},
                          {10, {cmd::ExamInOrder}},
                          {11, {cmd::ExamInOrder}},
                          {20, {cmd::ExamInOrder}},
                          {21, {cmd::SystematicExam}}};
    for (const Case& c : cases) {
        std::string file = writeList("list.zlk", c.cards, 0);
        ASSERT_TRUE(openList(file)) << c.cards;
        EXPECT_EQ(commandsRun, c.started) << c.cards;
        EXPECT_EQ(countCards(mainList), c.cards);
        EXPECT_EQ(host.isCommandEnabled(cmd::SystematicExam), c.cards > 10) << c.cards;
        commandsRun.clear();
        resetCardStore();
    }
}

TEST_F(OpenListTest, recordsTheFileTheTimeAndTheSearchListAndRefreshesTheCounters) {
    std::string file = writeList("known.zlk", 0, 2);
    currentList = &knownList;
    ASSERT_TRUE(openList(file));
    EXPECT_EQ(currentFileName, file);
    EXPECT_EQ(listStartTime, 1234);
    EXPECT_EQ(currentList, &mainList);
    EXPECT_EQ(countCards(knownList), 2);
    EXPECT_EQ(host.counterUpdates, 1);
    EXPECT_TRUE(commandsRun.empty());
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamKnownWords));
    EXPECT_FALSE(host.isCommandEnabled(cmd::Print));
    EXPECT_EQ(modifiedFlag, 0);
}

namespace {
// A modeless window such as the new-card window, left open when another list is opened.
class LeftOpenWindow : public RegisteredWindow {
public:
    LeftOpenWindow() { registerWindow(this); }
    ~LeftOpenWindow() override {
        if (isWindowOpen(this))
            unregisterWindow(this);
    }
    void destroyWindow() override {
        destroyed = true;
        unregisterWindow(this);
    }
    bool destroyed = false;
};
} // namespace

TEST_F(OpenListTest, windowsLeftOpenCloseWhenAnotherListIsReadButStayWhenTheReadFails) {
    LeftOpenWindow window;
    ASSERT_FALSE(openList(path("missing.zlk")));
    EXPECT_FALSE(window.destroyed);
    notices.entries.clear();
    ASSERT_TRUE(openList(writeList("list.zlk", 2, 0)));
    EXPECT_TRUE(window.destroyed);
    EXPECT_EQ(registeredWindowCount(), 0);
}

TEST_F(OpenListTest, aFileThatCannotBeReadChangesNothing) {
    struct Case {
        std::string path;
        std::vector<std::string> messages;
    };
    const std::string picture = writeFile("picture.png", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    const Case cases[] = {
        {path("missing.zlk"),
         {tableText(text::OpenFailed) + '\n' + std::strerror(ENOENT) + ": " + path("missing.zlk")}},
        {path("gone/list.zlk"),
         {tableText(text::OpenFailed) + "\nFolder missing: " + path("gone/list.zlk")}},
        // The old format is explained, then refused as every file that could not be read.
        {writeFile("old.zlk", "~house\tHaus\r\n"), {tableText(123), tableText(text::OpenFailed)}},
        {picture, {"This file is not a vocabulary list. Nothing has been read.\n" + picture}}};
    for (const Case& c : cases) {
        notices.entries.clear();
        EXPECT_FALSE(openList(c.path));
        EXPECT_EQ(notices.texts(), c.messages);
    }
    EXPECT_EQ(countCards(mainList), 0);
    EXPECT_EQ(currentFileName, "UNTITLED");
    EXPECT_EQ(listStartTime, 0);
    EXPECT_EQ(host.counterUpdates, 0);
    EXPECT_TRUE(host.isCommandEnabled(cmd::OpenList));
    EXPECT_FALSE(host.isCommandEnabled(cmd::CloseList));
}

TEST_F(OpenListTest, openCommandUsesTheListDialogAndReadsTheChosenFile) {
    std::string file = writeFile("words.txt", "house\tHaus\r\ntree\tBaum\r\n");
    FileDialogAnswers dialogs;
    dialogs.cancel();
    dialogs.fail();
    dialogs.choose(QString::fromStdString(file));
    openListCommand();
    EXPECT_TRUE(notices.entries.empty()); // a cancel is no failure
    EXPECT_EQ(currentFileName, "UNTITLED");
    openListCommand();
    EXPECT_EQ(notices.texts(), std::vector<std::string>{tableText(text::OpenFailed)});
    openListCommand();
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(currentFileName, file);

    ASSERT_EQ(dialogs.requests.size(), 3u);
    const ui::FileDialogRequest& request = dialogs.requests.front();
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, QStringLiteral("Open a list:"));
    ASSERT_EQ(request.filters.size(), 5u);
    EXPECT_EQ(request.filters[0].description, QStringLiteral("Zelkora Files (*.ZLK)"));
    EXPECT_EQ(request.filters[1].pattern, QStringLiteral("*.txt"));
    EXPECT_EQ(request.filters[2].pattern, QStringLiteral("*.kvtml"));
    EXPECT_EQ(request.filters[3].pattern, QStringLiteral("*.csv"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("zlk"));
    EXPECT_TRUE(request.initialName.isEmpty());
}

TEST_F(OpenListTest, aDamagedTableIsRefusedNamingItsLine) {
    std::string file = writeFile("bad.csv", "house,Haus\r\ntree,\"Baum\r\n");
    EXPECT_FALSE(openList(file));
    ASSERT_EQ(notices.texts().size(), 1u);
    EXPECT_TRUE(
        notices.texts()[0].starts_with("This file is damaged at line 2 and cannot be read."))
        << notices.texts()[0];
    EXPECT_EQ(currentFileName, "UNTITLED");
    EXPECT_EQ(countCards(mainList), 0);
}

TEST_F(OpenListTest, aVocabularyOfThreeLanguagesAsksWhichTwo) {
    std::string file = writeFile(
        "three.kvtml",
        "<kvtml><identifiers><identifier id=\"0\"><name>English</name></identifier>"
        "<identifier id=\"1\"><name>Deutsch</name></identifier><identifier id=\"2\"><name>"
        "Français</name></identifier></identifiers><entries><entry id=\"0\"><translation "
        "id=\"0\"><text>house</text></translation><translation id=\"1\"><text>Haus</text>"
        "</translation><translation id=\"2\"><text>maison</text></translation></entry>"
        "</entries></kvtml>");
    LanguageChooser before = setLanguageChooser(shell::chooseLanguages);
    ModalAnswers modals;
    modals.queue([](QDialog& dialog) {
        auto* question = dialog.findChild<QComboBox*>(QStringLiteral("question"));
        auto* answer = dialog.findChild<QComboBox*>(QStringLiteral("answer"));
        EXPECT_EQ(answer->itemText(2), QStringLiteral("Français"));
        answer->setCurrentIndex(0);
        EXPECT_EQ(ui::pressButton(dialog, ui::kResultOk), -1); // English twice: OK is off
        question->setCurrentIndex(2);
        return ui::pressButton(dialog, ui::kResultOk);
    });
    modals.queuePress(ui::kResultCancel);
    EXPECT_TRUE(openList(file));
    ASSERT_EQ(countCards(mainList), 1);
    EXPECT_EQ(mainList.slot(0)->question(), "maison");
    EXPECT_EQ(mainList.slot(0)->answer(), "house");
    ASSERT_TRUE(closeList());
    EXPECT_FALSE(openList(file)); // cancelled: nothing read, nothing to tell
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_EQ(countCards(mainList), 0);
    setLanguageChooser(before);
}

TEST_F(OpenListTest, commandLineIsOpenedUnlessEmptyOrTooLong) {
    EXPECT_FALSE(openCommandLineList(""));
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_FALSE(openCommandLineList("/" + std::string(kPathLimit, 'x')));
    EXPECT_EQ(notices.texts(), std::vector<std::string>{tableText(text::CommandLineTooLong)});
    EXPECT_TRUE(openCommandLineList(writeList("five.zlk", 5, 0)));
    EXPECT_EQ(countCards(mainList), 5);

    const char* argv[] = {"zelkora", "my", "list.zlk"};
    EXPECT_EQ(joinCommandLine(3, argv), "my list.zlk");
    EXPECT_EQ(joinCommandLine(1, argv), "");
}

TEST(CommandLineTest, onlyALoneHelpOrVersionIsNoPath) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<const char*> arguments;
        Action action;
        std::string path;
    };
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"--help"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"-reverse"}, Action::Run, "-reverse"}, // options Qt would take are part of the path
        {{"-style", "fusion", "x.zlk"}, Action::Run, "-style fusion x.zlk"},
        {{"--version", "x.zlk"}, Action::Run, "--version x.zlk"},
        {{"\"my list.zlk\""}, Action::Run, "\"my list.zlk\""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"zelkora"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine line = readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.action, c.action) << c.path;
        EXPECT_EQ(line.listPath, c.path);
    }
}

TEST_F(OpenListTest, newListBeginsInTheNewCardWindow) {
    setClockForTests([] { return 777; });
    newList();
    EXPECT_EQ(commandsRun, std::vector<int>{cmd::NewCards});
    EXPECT_FALSE(host.isCommandEnabled(cmd::OpenList));
    EXPECT_FALSE(host.isCommandEnabled(cmd::CloseList));
    EXPECT_TRUE(host.isCommandEnabled(cmd::Overview));
    EXPECT_EQ(listStartTime, 777);
}
