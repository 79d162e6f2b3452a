#include "resources/command_ids.h"
#include "resources/picture_paths.h"
#include "shell/about_dialog.h"
#include "shell/main_window.h"
#include "shell/preferences_control_ids.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/qt_file_dialog_answers.h"
#include "tests/support/qt_message_box_answers.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_tone_recorder.h"
#include "ui/dialog_button.h"
#include "ui/picture_button.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class MainWindowTest : public ShellTest {
protected:
    // The real window, shown, after its first-show step has run (it gives the start button its
    // picture).
    void show(MainWindow& window) {
        window.show();
        auto* start = window.findChild<PictureButton*>(QString::number(ctl::StartButton));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !start->picture().isEmpty(); }, 5000))
            << "the main window never finished its first show";
    }
    QString counter(MainWindow& window, int id) {
        return window.findChild<QLabel*>(QString::number(id))->text();
    }
    QPushButton* button(MainWindow& window, int id) {
        return window.findChild<QPushButton*>(QString::number(id));
    }
    QString openSavePicture(MainWindow& window) {
        return window.findChild<PictureButton*>(QString::number(ctl::OpenSaveButton))->picture();
    }
};

} // namespace

TEST_F(MainWindowTest, startsWithNoListAndOpensAListThroughTheMenu) {
    std::string file = writeList("list.zlk", 12, 3);
    MainWindow window;
    EXPECT_EQ(ui::mainWindowHost(), &window);
    show(window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zelkora"));
    EXPECT_TRUE(window.action(cmd::OpenList)->isEnabled());
    EXPECT_FALSE(window.action(cmd::SaveList)->isEnabled());
    EXPECT_FALSE(button(window, ctl::SystematicButton)->isEnabled());
    EXPECT_EQ(openSavePicture(window), QString::fromLatin1(pictures::kOpen));
    EXPECT_EQ(counter(window, ctl::CardCounter), QStringLiteral("0"));
    EXPECT_GE(window.centralWidget()->minimumSizeHint().width(), 313);

    FileDialogAnswers dialogs;
    dialogs.choose(QString::fromStdString(file));
    window.action(cmd::OpenList)->trigger();
    EXPECT_EQ(counter(window, ctl::CardCounter), QStringLiteral("15"));
    EXPECT_EQ(counter(window, ctl::KnownCounter), QStringLiteral("3"));
    EXPECT_EQ(openSavePicture(window), QString::fromLatin1(pictures::kSave));
    EXPECT_FALSE(window.action(cmd::OpenList)->isEnabled());
    EXPECT_TRUE(window.action(cmd::ExamKnownWords)->isEnabled());
    EXPECT_TRUE(button(window, ctl::SystematicButton)->isEnabled());
    EXPECT_FALSE(button(window, ctl::WrongWordsButton)->isEnabled());
    EXPECT_EQ(commandsRun, std::vector<int>{cmd::ExamInOrder});

    // The start button takes the first enabled examination; a button runs its command.
    QTest::mouseClick(button(window, ctl::StartButton), Qt::LeftButton);
    QTest::mouseClick(button(window, ctl::OverviewButton), Qt::LeftButton);
    EXPECT_EQ(commandsRun,
              (std::vector<int>{cmd::ExamInOrder, cmd::SystematicExam, cmd::Overview}));
}

TEST_F(MainWindowTest, commandLineListIsOpenedAfterThePictures) {
    MainWindow window(writeList("five.zlk", 5, 0));
    show(window);
    EXPECT_EQ(countCards(mainList), 5);
    EXPECT_EQ(counter(window, ctl::CardCounter), QStringLiteral("5"));
    EXPECT_FALSE(
        window.findChild<PictureButton*>(QString::number(ctl::StartButton))->picture().isEmpty());
    EXPECT_TRUE(notices.entries.empty()); // every picture loaded
    EXPECT_EQ(commandsRun, std::vector<int>{cmd::ExamInOrder});
}

TEST_F(MainWindowTest, countersShowTheNumbersOfABigListWholeBesideTheirCaptions) {
    for (int i = 0; i < 100000; ++i)
        appendCard(i < 90000 ? mainList : knownList, makeCard());
    MainWindow window;
    show(window);
    window.updateCounters();
    QLabel* cards = window.findChild<QLabel*>(QString::number(ctl::CardCounter));
    QLabel* known = window.findChild<QLabel*>(QString::number(ctl::KnownCounter));
    ASSERT_EQ(cards->text(), QStringLiteral("100000"));
    ASSERT_EQ(known->text(), QStringLiteral("10000"));
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Number of cards")) {
            EXPECT_GT(label->x(), cards->x() + cards->sizeHint().width());
        }
        if (label->text() == QStringLiteral("Known cards")) {
            EXPECT_GT(label->x(), known->x() + known->sizeHint().width());
        }
    }
    EXPECT_GE(cards->width(), cards->sizeHint().width());
}

TEST_F(MainWindowTest, startButtonBeepsWhenNoExaminationCanStart) {
    ToneRecorder tones;
    MainWindow window;
    show(window);
    QTest::mouseClick(button(window, ctl::StartButton), Qt::LeftButton);
    EXPECT_EQ(tones.tones, (std::vector<std::pair<int, int>>{{400, 100}}));
    EXPECT_TRUE(commandsRun.empty());
}

TEST_F(MainWindowTest, enterPressesTheFocusedStartButtonOrElseOpensAList) {
    MainWindow window(writeList("list.zlk", 2, 0));
    show(window);
    ASSERT_EQ(window.focusWidget(), button(window, ctl::StartButton));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(commandsRun, std::vector<int>{cmd::ExamRandom});

    window.centralWidget()->setFocus();
    FileDialogAnswers dialogs;
    dialogs.cancel();
    QTest::keyClick(&window, Qt::Key_Enter); // the list is held: Save List asks for no name
    EXPECT_TRUE(dialogs.requests.empty());
    window.action(cmd::CloseList)->trigger();
    QTest::keyClick(&window, Qt::Key_Enter); // no list: Open List
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(MainWindowTest, escapeDoesNothingAndTheCloseBoxQuits) {
    MainWindow window;
    show(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(exitStatuses.empty());

    addCard(mainList, "house", "Haus", "-", "-");
    MessageBoxAnswers boxes;
    boxes.queue(ui::MessageAnswer::Cancel);
    window.close();
    EXPECT_TRUE(exitStatuses.empty()); // the user chose to stay
    boxes.queue(ui::MessageAnswer::No);
    window.close();
    EXPECT_EQ(exitStatuses, std::vector<int>{0});
    EXPECT_EQ(boxes.boxes.size(), 2u);
}

TEST_F(MainWindowTest, aboutAndPreferencesOpenTheirDialogs) {
    MainWindow window;
    ModalAnswers modal;
    modal.queuePress(ui::kOkButton);
    modal.queuePress(prefctl::Cancel);
    window.action(cmd::About)->trigger();
    window.action(cmd::Preferences)->trigger();
    EXPECT_EQ(modal.shown, (std::vector<QString>{QStringLiteral("AboutDialog"),
                                                 QStringLiteral("PreferencesDialog")}));
}

// The standard keys beside the menu texts reach their commands.
TEST_F(MainWindowTest, shortcutsReachTheirCommands) {
    MainWindow window;
    show(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::pair<QKeySequence, int> rows[] = {
        {QKeySequence(QStringLiteral("Ctrl+O")), cmd::OpenList},
        {QKeySequence(QStringLiteral("Ctrl+S")), cmd::SaveList},
        {QKeySequence(QStringLiteral("Ctrl+Shift+S")), cmd::SaveListAs},
        {QKeySequence(QStringLiteral("Ctrl+P")), cmd::Print},
        {QKeySequence(QStringLiteral("Ctrl+W")), cmd::CloseList},
        {QKeySequence(QStringLiteral("Ctrl+Q")), cmd::Quit},
        {QKeySequence(QStringLiteral("Ctrl+N")), cmd::NewCards},
        {QKeySequence(QStringLiteral("F1")), cmd::About},
    };
    for (const auto& [keys, command] : rows) {
        QAction* action = window.action(command);
        ASSERT_NE(action, nullptr) << command;
        action->setEnabled(true);
        // Only whether the key arrives: what the command does is tested on its own.
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(&window, keys);
        EXPECT_EQ(triggered.count(), 1) << command << " " << keys.toString().toStdString();
    }
}

// With every button enabled, Tab walks them as they are read, top to bottom, left to right;
// a larger window keeps the arrangement in its middle.
TEST_F(MainWindowTest, tabGoesInReadingOrderAndAnEnlargedWindowKeepsTheControlsCentred) {
    MainWindow window;
    show(window);
    for (int id :
         {ctl::SystematicButton, ctl::InOrderButton, ctl::RandomButton, ctl::WrongWordsButton,
          ctl::NewCardButton, ctl::OverviewButton, ctl::ExchangeButton})
        window.setButtonEnabled(id, true);
    button(window, ctl::OpenSaveButton)->setFocus();
    const QList<int> expected{ctl::SystematicButton, ctl::InOrderButton,    ctl::StartButton,
                              ctl::RandomButton,     ctl::WrongWordsButton, ctl::NewCardButton,
                              ctl::OverviewButton,   ctl::ExchangeButton,   ctl::OpenSaveButton};
    QList<int> visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        visited << window.focusWidget()->objectName().toInt();
    }
    EXPECT_EQ(visited, expected);

    window.resize(window.width() * 3, window.height() * 2);
    QApplication::processEvents();
    QRect used;
    for (QPushButton* control : window.centralWidget()->findChildren<QPushButton*>())
        used |= QRect(control->mapTo(window.centralWidget(), QPoint()), control->size());
    const QRect all = window.centralWidget()->rect();
    EXPECT_GT(used.left(), all.width() / 4);
    EXPECT_NEAR(used.left() - all.left(), all.right() - used.right(), 40);
    EXPECT_NEAR(used.top() - all.top(), all.bottom() - used.bottom(), 40);
}

TEST_F(MainWindowTest, aboutBoxShowsTheBuildsVersion) {
    AboutDialog about;
    const QString version = QStringLiteral(ZELKORA_TEST_PROJECT_VERSION);
    EXPECT_FALSE(version.isEmpty());
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("version"))->text().endsWith(version));
}
