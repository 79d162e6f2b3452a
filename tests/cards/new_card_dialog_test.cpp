#include "cards/new_card_dialog.h"
#include "tests/cards/card_windows_fixture.h"
#include "ui/text_codec.h"

#include "ui/dialog_parent.h"
#include "ui/message_boxes.h"

#include <QKeyEvent>

namespace {

class NewCardDialogTest : public CardWindowsTest {
protected:
    // New List: no card and no examination available yet.
    NewCardDialog* openAfterNewList() {
        for (int command : {cmd::ExamInOrder, cmd::ExamRandom, cmd::SystematicExam})
            host.setCommandEnabled(command, false);
        ui::runCommand(cmd::NewCards);
        return NewCardDialog::instance();
    }
    void enter(NewCardDialog* dialog, const QString& question, const QString& answer,
               const QString& lesson = {}) {
        control(dialog, cardctl::Question)->setText(question);
        control(dialog, cardctl::Answer)->setText(answer);
        if (!lesson.isNull())
            control(dialog, cardctl::Lesson)->setText(lesson);
        QTest::keyClick(control(dialog, cardctl::Answer), Qt::Key_Return); // the default button
    }
};

TEST_F(NewCardDialogTest, examinationsFollowTheNumberOfCardsEntered) {
    NewCardDialog* dialog = openAfterNewList();
    ASSERT_NE(dialog, nullptr);
    std::vector<std::array<bool, 3>> states;
    for (int i = 1; i <= 12; ++i) {
        enter(dialog, QStringLiteral("q%1").arg(i), QStringLiteral("a"));
        states.push_back({host.isCommandEnabled(cmd::ExamInOrder),
                          host.isCommandEnabled(cmd::ExamRandom),
                          host.isCommandEnabled(cmd::SystematicExam)});
    }
    using S = std::array<bool, 3>;
    EXPECT_EQ(states[0], (S{true, false, false}));
    EXPECT_EQ(states[1], states[0]);
    EXPECT_EQ(states[3], (S{true, true, false}));
    EXPECT_EQ(states[4], states[3]);
    EXPECT_EQ(states[10], (S{true, true, true}));
    EXPECT_EQ(states[11], states[10]);
    EXPECT_EQ(host.counterUpdates, 12);
    EXPECT_TRUE(host.isButtonEnabled(ctl::OverviewButton));
}

TEST_F(NewCardDialogTest, entriesTakeNextIdsKeepTheLessonAndEmptyTheOtherFields) {
    nextCardId = 40;
    NewCardDialog* dialog = openAfterNewList();
    control(dialog, cardctl::AdditionalInfo)->setText(QStringLiteral("info"));
    enter(dialog, QStringLiteral("Haus"), QStringLiteral("house"), QStringLiteral("L1"));
    enter(dialog, QStringLiteral(" "), QStringLiteral(" "));
    ASSERT_EQ(ids(mainList), (std::vector<int32_t>{40, 41}));
    const std::vector<Card*> cards = mainList.cards();
    EXPECT_EQ(cards[0]->additionalInfo(), "info");
    EXPECT_EQ(cards[1]->lesson(), "L1");
    EXPECT_EQ(cards[1]->question(), " ");      // blanks are a question
    EXPECT_EQ(cards[1]->additionalInfo(), ""); // an empty field replaces the "-"
    EXPECT_EQ(control(dialog, cardctl::Lesson)->text(), QStringLiteral("L1"));
    for (int id : {cardctl::Question, cardctl::Answer, cardctl::AdditionalInfo})
        EXPECT_TRUE(control(dialog, id)->text().isEmpty());
    EXPECT_EQ(modifiedFlag, 1);
}

TEST_F(NewCardDialogTest, emptyQuestionOrAnswerIsRefusedAndFieldsStay) {
    NewCardDialog* dialog = openAfterNewList();
    enter(dialog, QStringLiteral("q"), QString(""));
    enter(dialog, QString(""), QStringLiteral("a"));
    EXPECT_TRUE(mainList.empty());
    EXPECT_EQ(notices.texts(), (std::vector<std::string>(2, "Your answer does not make sense: The "
                                                            "question or the anser do not contain "
                                                            "any words.")));
    EXPECT_EQ(control(dialog, cardctl::Answer)->text(), QStringLiteral("a"));
}

// The error box belongs to this window and hands the keyboard back to it, even where the window
// system gave it to another window when the box closed.
TEST_F(NewCardDialogTest, afterItsErrorTheKeyboardIsBackInTheField) {
    host.window()->show();
    NewCardDialog* dialog = openAfterNewList();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    NoticeSink* recorder = setNoticeSink(nullptr);
    ui::installMessageBoxes();
    QWidget* owner = nullptr;
    ui::MessageBoxHandler previous = ui::setMessageBoxHandler([&](const ui::MessageBoxRequest&) {
        owner = ui::dialogParent();
        host.window()->activateWindow();
        host.window()->setFocus();
        QApplication::processEvents();
        return ui::MessageAnswer::Ok;
    });
    enter(dialog, QString(), QString());
    ui::setMessageBoxHandler(previous);
    setNoticeSink(recorder);
    EXPECT_EQ(owner, dialog);
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, 2000));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hund"));
    EXPECT_EQ(control(dialog, cardctl::Question)->text(), QStringLiteral("Hund"));
}

TEST_F(NewCardDialogTest, typingStopsAtTheLimitsCountingCharactersOfAnyScript) {
    NewCardDialog* dialog = openAfterNewList();
    QLineEdit* question = control(dialog, cardctl::Question);
    QTest::keyClicks(question, QString(60, QLatin1Char('x')));
    EXPECT_EQ(question->text().size(), 59);
    QLineEdit* answer = control(dialog, cardctl::Answer); // an answer as long as a card's
    QTest::keyClicks(answer, QString(kAnswerLimit + 1, QLatin1Char('x')));
    EXPECT_EQ(answer->text().size(), kAnswerLimit);
    question->clear();
    for (int i = 0; i < 60; ++i) { // a character of two UTF-16 units counts once
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("😀"));
        QApplication::sendEvent(question, &press);
    }
    EXPECT_EQ(ui::characterCount(question->text()), 59);
    QLineEdit* lesson = control(dialog, cardctl::Lesson);
    QTest::keyClicks(lesson, QStringLiteral("abcdefghijk"));
    EXPECT_EQ(lesson->text(), QStringLiteral("abcdefghi"));
    QLineEdit* info = control(dialog, cardctl::AdditionalInfo);
    for (QString typed : {QStringLiteral("\u20AC"), QStringLiteral("\u0416")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(info, &press);
    }
    EXPECT_EQ(info->text(), QStringLiteral("\u20AC\u0416"));
}

TEST_F(NewCardDialogTest, graysItsCommandsWhileOpenAndClosingWithNothingEnteredChangesNothing) {
    modifiedFlag = 0;
    NewCardDialog* dialog = openAfterNewList();
    EXPECT_FALSE(host.isCommandEnabled(cmd::NewCards));
    EXPECT_FALSE(host.isCommandEnabled(cmd::NewList));
    EXPECT_FALSE(host.isButtonEnabled(ctl::NewCardButton));
    EXPECT_EQ(registeredWindowCount(), 1);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(NewCardDialog::instance(), nullptr);
    EXPECT_TRUE(host.isCommandEnabled(cmd::NewCards));
    EXPECT_TRUE(host.isButtonEnabled(ctl::NewCardButton));
    EXPECT_FALSE(host.isCommandEnabled(cmd::NewList)); // until Close List
    EXPECT_EQ(registeredWindowCount(), 0);
    EXPECT_EQ(modifiedFlag, 0);
    EXPECT_EQ(host.counterUpdates, 0);
    EXPECT_TRUE(mainList.empty());
}

TEST_F(NewCardDialogTest, neverEnablesAnExaminationWhoseWindowIsOpen) {
    setExamWindowQuery([](int command) { return command == cmd::ExamRandom; });
    for (int i = 0; i < 4; ++i)
        add(mainList, "q");
    NewCardDialog* dialog = openAfterNewList();
    Card* first = mainList.cards().front();
    removeCard(mainList, first); // three left; the random examination stays open
    retireCard(first);
    enter(dialog, QStringLiteral("q"), QStringLiteral("a"));
    EXPECT_EQ(countCards(mainList), 4);
    EXPECT_FALSE(host.isCommandEnabled(cmd::ExamRandom));
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamInOrder));
    setExamWindowQuery(nullptr);
}

} // namespace
