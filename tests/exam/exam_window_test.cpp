#include "exam/answer_check_dialog.h"
#include "exam/exam_control_ids.h"
#include "exam/known_card_dialog.h"
#include "tests/exam/exam_window_fixture.h"
#include "ui/field_exchange.h"

#include <QLabel>

#include <algorithm>

namespace {

class ExamWindow : public ExamWindowTest {};

TEST_F(ExamWindow, wholeShortExaminationThroughTheWindow) {
    std::vector<Card*> cards = addCards(mainList, 4);
    ASSERT_TRUE(ui::runCommand(cmd::ExamInOrder));
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    EXPECT_EQ(exam->kind(), ExamKind::InOrder);
    EXPECT_EQ(exam->windowTitle(), "Examination in order");
    EXPECT_FALSE(host.isCommandEnabled(cmd::ExamInOrder));
    EXPECT_FALSE(host.isButtonEnabled(ctl::InOrderButton));
    EXPECT_EQ(control<FontEdit>(exam, examctl::window::Question)->text(), "q0");
    EXPECT_EQ(control(exam, examctl::window::CardId)->text(), QString::number(cards[0]->id));

    answer(exam, "a0"); // right: no tone, no dialog
    EXPECT_TRUE(tones.tones.empty());
    EXPECT_EQ(cards[0]->level, 1);
    EXPECT_EQ(control<FontEdit>(exam, examctl::window::Question)->text(), "q1");
    EXPECT_TRUE(control<FontEdit>(exam, examctl::window::Answer)->text().isEmpty());

    modal.queuePress(examctl::check::Yes); // counted right
    answer(exam, "other");
    EXPECT_EQ(tones.tones, (std::vector<std::pair<int, int>>{{440, 50}}));
    EXPECT_EQ(cards[1]->level, 1);
    EXPECT_EQ(exam->answerText(), "other");

    modal.queuePress(examctl::check::No); // counted wrong
    answer(exam, "nothing");
    EXPECT_EQ(cards[2]->wrongCount, 1);
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamWrongWords));
    EXPECT_TRUE(host.isButtonEnabled(ctl::WrongWordsButton));

    answer(exam, "a3");
    EXPECT_EQ(modal.shown, (std::vector<QString>{"AnswerCheckDialog", "AnswerCheckDialog"}));
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{"You reached the end of the list.\n\n4 "
                                                         "asked, 3 right, 1 wrong."}));
    EXPECT_TRUE(openExams().empty());
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamInOrder));
    EXPECT_TRUE(host.isButtonEnabled(ctl::InOrderButton));
    EXPECT_EQ(registeredWindowCount(), 0);
}

TEST_F(ExamWindow, everyWayOfClosingGivesTheCommandBack) {
    addCards(mainList, 12);
    auto closers = std::vector<std::function<void(ExamDialog*)>>{
        [](ExamDialog* d) { control<QPushButton>(d, examctl::window::Close)->click(); },
        [](ExamDialog* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](ExamDialog* d) { d->close(); },
        [](ExamDialog*) { closeAllWindows(); },
    };
    for (std::size_t i = 0; i < closers.size(); ++i) {
        SCOPED_TRACE(i);
        ui::runCommand(cmd::SystematicExam);
        ExamDialog* exam = onlyExam();
        ASSERT_NE(exam, nullptr);
        EXPECT_FALSE(host.isCommandEnabled(cmd::SystematicExam));
        EXPECT_FALSE(host.isButtonEnabled(ctl::SystematicButton));
        closers[i](exam);
        flushDeletes();
        EXPECT_TRUE(host.window()->findChildren<ExamDialog*>().empty());
        EXPECT_EQ(registeredWindowCount(), 0);
        if (i < 3) { // Close List sets the whole menu itself
            EXPECT_TRUE(host.isCommandEnabled(cmd::SystematicExam));
            EXPECT_TRUE(host.isButtonEnabled(ctl::SystematicButton));
        }
        EXPECT_FALSE(examIsOpen(cmd::SystematicExam));
    }
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(ExamWindow, enterOnTheCloseButtonClosesInsteadOfJudging) {
    std::vector<Card*> cards = addCards(mainList, 4);
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    QTest::keyClick(control<QPushButton>(exam, examctl::window::Close), Qt::Key_Return);
    flushDeletes();
    EXPECT_TRUE(openExams().empty());
    EXPECT_EQ(cards[0]->askCount, 0);
    EXPECT_TRUE(modal.shown.empty());
}

TEST_F(ExamWindow, nextCardTakesTheKeyboardBackAfterTheAnswerCheck) {
    addCards(mainList, 4);
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    modal.queue([](QDialog& d) {
        d.activateWindow(); // the check dialog takes the keyboard while it is shown
        QApplication::processEvents();
        return ui::pressButton(d, examctl::check::No);
    });
    answer(exam, "wrong");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), exam);
    EXPECT_EQ(QApplication::focusWidget(), control<FontEdit>(exam, examctl::window::Answer));
}

TEST_F(ExamWindow, refusalsAtTheStart) {
    addCards(mainList, 3);
    ui::runCommand(cmd::SystematicExam);
    ui::runCommand(cmd::ExamRandom);
    ui::runCommand(cmd::ExamWrongWords);
    std::vector<std::string> texts = notices.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].rfind("The systematic examination has been written", 0), 0u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()),
              (std::vector<std::string>{"Too few words for a random examination",
                                        "You reached the end of the list.",
                                        "You reached the end of the list."}));
    flushDeletes();
    EXPECT_TRUE(host.window()->findChildren<ExamDialog*>().empty());
    EXPECT_TRUE(host.isCommandEnabled(cmd::SystematicExam));
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamRandom));
}

TEST_F(ExamWindow, additionalInformationOnlyWhenWished) {
    addCards(mainList, 4);
    // Only 1 means on: a profile may hold any number.
    const std::pair<int, const char*> rows[] = {{0, ""}, {1, "info0"}, {7, ""}, {-1, ""}};
    for (auto [stored, shown] : rows) {
        preferences.showAdditionalInfo = stored;
        ui::runCommand(cmd::ExamInOrder);
        EXPECT_EQ(control(onlyExam(), examctl::window::AdditionalInfo)->text(), shown) << stored;
        closeAllWindows();
    }
}

TEST_F(ExamWindow, editCardShowsTheCardOnDisplay) {
    std::vector<Card*> cards = addCards(mainList, 4);
    Card* shown = nullptr;
    ui::setShowCardHandler([&](Card* c) { shown = c; });
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    answer(exam, "a0");
    control<QPushButton>(exam, examctl::window::EditCard)
        ->setFocus(); // as a mouse click or Tab leaves it
    control<QPushButton>(exam, examctl::window::EditCard)->click();
    EXPECT_EQ(shown, cards[1]);
    // Back in this window the learner types on without clicking into the answer field.
    EXPECT_EQ(exam->focusWidget(), control<FontEdit>(exam, examctl::window::Answer));
}

TEST_F(ExamWindow, knownCardDialogAtTheThreshold) {
    preferences.knownThreshold = 1;
    std::vector<Card*> cards = addCards(mainList, 5);
    host.setCommandEnabled(cmd::ExamKnownWords, false);
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();

    modal.queuePress(examctl::known::KeepIt);
    answer(exam, "a0");
    EXPECT_EQ(cards[0]->level, -1);
    EXPECT_EQ(countCards(knownList), 0);

    modal.queue([](QDialog& d) { // the close box: Known Cards
        d.close();
        return ui::mappedResult(d.result());
    });
    answer(exam, "a1");
    EXPECT_EQ(findCardById(knownList, cards[1]->id), cards[1]);
    EXPECT_EQ(mainList.slot(1), nullptr);
    EXPECT_TRUE(host.isCommandEnabled(cmd::ExamKnownWords));
    EXPECT_EQ(host.counterUpdates, 1);
    EXPECT_EQ(control<FontEdit>(exam, examctl::window::Question)->text(),
              "q2"); // goes on with the next slot
    EXPECT_EQ(modal.shown, (std::vector<QString>{"KnownCardDialog", "KnownCardDialog"}));
}

TEST_F(ExamWindow, knownWordsExaminationSendsAWrongCardBack) {
    std::vector<Card*> known = addCards(knownList, 2);
    ui::runCommand(cmd::ExamKnownWords);
    ExamDialog* exam = onlyExam();
    EXPECT_EQ(exam->kind(), ExamKind::KnownWords);
    modal.queuePress(examctl::check::No);
    answer(exam, "wrong");
    EXPECT_EQ(mainList.slot(0), known[0]);
    EXPECT_EQ(countCards(knownList), 1);
    EXPECT_EQ(inKnownWordsExam, 0);
}

// A card longer than its fields: the texts show from their first character, and its answer,
// typed in full, is right at once.
TEST_F(ExamWindow, longCardIsShownFromItsStartAndItsWholeAnswerIsRight) {
    preferences.showAdditionalInfo = 1;
    Card* card = addCards(mainList, 4)[0];
    const std::string question = "Diese Person entspricht " + std::string(66, 'q');
    const std::string answer = "This person matches " + std::string(70, 'a');
    assignText(*card, CardField::question, question);
    assignText(*card, CardField::answer, answer);
    assignText(*card, CardField::additionalInfo, std::string(100, 'W'));
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    exam->show();
    for (int id : {examctl::window::Question, examctl::window::AdditionalInfo}) {
        auto* field = control(exam, id);
        EXPECT_EQ(field->cursorPosition(), 0) << id;
        EXPECT_TRUE(ui::fieldTextIsCut(field)) << id; // so its tooltip holds the whole text
    }
    // Reached with the keyboard, the question is selected whole and still shows its start.
    auto* questionField = control(exam, 1005);
    exam->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(exam));
    QTest::keyClick(exam->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier); // from the answer
    ASSERT_EQ(exam->focusWidget(), questionField);
    EXPECT_TRUE(QTest::qWaitFor([&] { return questionField->cursorPosition() == 0; }, 2000));
    EXPECT_EQ(questionField->selectedText().size(), questionField->text().size());
    ExamWindow::answer(exam, QString::fromStdString(answer));
    EXPECT_EQ(exam->answerText(), answer);
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(tones.tones.empty());
    EXPECT_EQ(card->level, 1);
}

TEST_F(ExamWindow, tabAndShiftTabGoThroughTheWindowInReadingOrder) {
    addCards(mainList, 4);
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    using namespace examctl::window;
    const QList<int> forward{CardId,   Level, AdditionalInfo, Lesson, Ok,
                             EditCard, Close, Question,       Answer};
    for (bool back : {false, true}) {
        QList<int> visited;
        for (int i = 0; i < forward.size(); ++i) {
            QTest::keyClick(exam->focusWidget(), Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            visited << exam->focusWidget()->objectName().toInt();
        }
        QList<int> expected = forward;
        if (back) { // from the answer field backwards: the reverse of the ring
            std::reverse(expected.begin(), expected.end());
            expected.removeFirst();
            expected << Answer;
        }
        EXPECT_EQ(visited, expected) << (back ? "Shift+Tab" : "Tab");
    }
}

// The feedback line: the tally after every answer, the cards left where the examination ends,
// "Right:" with the stored answer for a moment after a right answer; the end notice sums up.
TEST_F(ExamWindow, feedbackLineCountsTheExamination) {
    struct Row {
        int command;
        int cards;
        const char* atStart;
        const char* afterRight;
        const char* afterWrong;
    } rows[] = {
        {cmd::ExamInOrder, 3, "0 asked, 0 right, 0 wrong, 3 left",
         "Right: a0    1 asked, 1 right, 0 wrong, 2 left", "2 asked, 1 right, 1 wrong, 1 left"},
        {cmd::SystematicExam, 11, "0 asked, 0 right, 0 wrong, 11 left", nullptr,
         "1 asked, 0 right, 1 wrong, 10 left"},
        {cmd::ExamRandom, 4, "0 asked, 0 right, 0 wrong", nullptr, "1 asked, 0 right, 1 wrong"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        clearList(wrongList);
        deleteAllCards(mainList);
        addCards(mainList, row.cards);
        ui::runCommand(row.command);
        ExamDialog* exam = onlyExam();
        ASSERT_NE(exam, nullptr);
        auto* line = exam->findChild<QLabel*>(QStringLiteral("feedback"));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), row.atStart);
        if (row.afterRight) {
            ExamWindow::answer(exam, "a0");
            EXPECT_EQ(line->text(), row.afterRight);
        }
        modal.queuePress(examctl::check::No);
        ExamWindow::answer(exam, "wrong");
        EXPECT_EQ(line->text(), row.afterWrong);
        closeAllWindows();
        flushDeletes();
    }
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(ExamWindow, rightAnswerShowsForAMomentAndTheEndNoticeGivesTheTally) {
    addCards(mainList, 2);
    ui::runCommand(cmd::ExamInOrder);
    ExamDialog* exam = onlyExam();
    ASSERT_NE(exam, nullptr);
    auto* line = exam->findChild<QLabel*>(QStringLiteral("feedback"));
    ExamWindow::answer(exam, "a0");
    EXPECT_TRUE(line->text().startsWith("Right: a0"));
    EXPECT_TRUE(
        QTest::qWaitFor([line] { return line->text() == "1 asked, 1 right, 0 wrong, 1 left"; },
                        ExamDialog::kRightAnswerShownMs + 2000));
    modal.queuePress(examctl::check::No);
    ExamWindow::answer(exam, "wrong");
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{
                  "You reached the end of the list.\n\n2 asked, 1 right, 1 wrong."}));
}

// The answer-check dialog on its own.
class AnswerCheck : public ExamWindowTest {
protected:
    void SetUp() override {
        ExamWindowTest::SetUp();
        card = addCards(mainList, 1)[0];
        assignText(*card, CardField::answer, "house, home");
    }
    int run(const std::string& typed, std::function<int(QDialog&)> step) {
        AnswerCheckDialog dialog(nullptr, *card, typed, questionFont, answerFont);
        modal.queue(std::move(step));
        return ui::runModal(dialog);
    }
    Card* card = nullptr;
};

TEST_F(AnswerCheck, showsBothAnswersAndEnterMeansNo) {
    int result = run("dwelling", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Is your answer right?");
        EXPECT_EQ(control(&d, examctl::check::TypedAnswer)->text(), "dwelling");
        EXPECT_EQ(control(&d, examctl::check::StoredAnswer)->text(), "house, home");
        EXPECT_EQ(control<FontEdit>(&d, examctl::check::Question)->fontDescription().height, -12);
        QTest::keyClick(&d, Qt::Key_Return);
        return d.isVisible() ? -1 : ui::mappedResult(d.result());
    });
    EXPECT_EQ(result, ui::kResultCancel);
    EXPECT_EQ(card->answer(), "house, home");
}

TEST_F(AnswerCheck, enterPressesTheButtonThatHasTheFocus) {
    int result = run("dwelling", [](QDialog& d) {
        QTest::keyClick(control<QPushButton>(&d, examctl::check::Yes), Qt::Key_Return);
        return d.isVisible() ? -1 : ui::mappedResult(d.result());
    });
    EXPECT_EQ(result, ui::kResultOk);

    KnownCardDialog known;
    modal.queue([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Do you really know this word?");
        QTest::keyClick(control<QPushButton>(&d, examctl::known::KnownCards), Qt::Key_Return);
        return d.isVisible() ? -1 : ui::mappedResult(d.result());
    });
    EXPECT_EQ(ui::runModal(known), ui::kResultCancel);
}

TEST_F(AnswerCheck, addAndReplaceTheAnswer) {
    EXPECT_EQ(
        run("dwelling", [](QDialog& d) { return ui::pressButton(d, examctl::check::AddMyAnswer); }),
        ui::kResultOk);
    EXPECT_EQ(card->answer(), "house, home, dwelling");

    // 21 + 2 + 78 = 101 characters: more than a card holds, unchanged, still right.
    EXPECT_EQ(run(std::string(78, 'x'),
                  [](QDialog& d) { return ui::pressButton(d, examctl::check::AddMyAnswer); }),
              ui::kResultOk);
    EXPECT_EQ(card->answer(), "house, home, dwelling");
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{
                                   "Sorry, your answer cannot be added because it is too long."}));
    EXPECT_EQ(run(std::string(77, 'x'),
                  [](QDialog& d) { return ui::pressButton(d, examctl::check::AddMyAnswer); }),
              ui::kResultOk);
    EXPECT_EQ(std::string(card->answer()), "house, home, dwelling, " + std::string(77, 'x'));

    EXPECT_EQ(
        run("abode", [](QDialog& d) { return ui::pressButton(d, examctl::check::ReplaceAnswer); }),
        ui::kResultOk);
    EXPECT_EQ(card->answer(), "abode");
}

TEST_F(AnswerCheck, levelFieldIsCheckedWhenItNoLongerShowsTheCardsLevel) {
    card->level = 200; // out of 0-128, but the card's own: accepted
    EXPECT_EQ(run("x", [](QDialog& d) { return ui::pressButton(d, examctl::check::Yes); }),
              ui::kResultOk);
    int result = run("x", [](QDialog& d) {
        control(&d, examctl::check::Level)->setText("129");
        EXPECT_EQ(ui::pressButton(d, examctl::check::ReplaceAnswer), -1); // stays open
        control(&d, examctl::check::Level)->setText("128");
        return ui::pressButton(d, examctl::check::Yes);
    });
    EXPECT_EQ(result, ui::kResultOk);
    EXPECT_EQ(card->answer(), "x"); // the replaced answer stays
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Please enter an integer between 0 and 128."}));
}

// Alt with the underlined letter presses each button of the check.
TEST_F(AnswerCheck, everyButtonAnswersToItsMnemonic) {
    struct Row {
        Qt::Key key;
        int result;
        const char* answerAfter;
    } rows[] = {
        {Qt::Key_N, ui::kResultCancel, "house, home"},
        {Qt::Key_Y, ui::kResultOk, "house, home"},
        {Qt::Key_A, ui::kResultOk, "house, home, abode"},
        {Qt::Key_R, ui::kResultOk, "abode"},
    };
    for (const Row& row : rows) {
        int result = run("abode", [&row](QDialog& d) {
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            QTest::keyClick(&d, row.key, Qt::AltModifier);
            // A mnemonic presses its button visibly, the click follows a moment later.
            EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); }, 2000));
            return d.isVisible() ? -1 : ui::mappedResult(d.result());
        });
        EXPECT_EQ(result, row.result) << row.key;
        EXPECT_EQ(card->answer(), row.answerAfter) << row.key;
    }
}

} // namespace
