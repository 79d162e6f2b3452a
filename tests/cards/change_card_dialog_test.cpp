#include "cards/change_card_dialog.h"
#include "tests/cards/card_windows_fixture.h"

namespace {

class ChangeCardDialogTest : public CardWindowsTest {
protected:
    ChangeCardDialog* openDialog() {
        ui::runCommand(cmd::ModifyCards);
        return ChangeCardDialog::instance();
    }
    int32_t shownId(ChangeCardDialog* dialog) {
        return control(dialog, cardctl::CardId)->text().toInt();
    }
};

TEST_F(ChangeCardDialogTest, questionSearchStepsThroughEqualQuestionsAndWraps) {
    nextCardId = 3;
    add(mainList, "haus", "house");
    add(mainList, "baum", "tree");
    nextCardId = 9;
    add(mainList, "haus", "home");
    ChangeCardDialog* dialog = openDialog();
    std::vector<int32_t> found;
    answerSearch(QStringLiteral("haus"));
    click(dialog, cardctl::SearchQuestion);
    found.push_back(shownId(dialog));
    for (int i = 0; i < 2; ++i) {
        modals.queuePress(cardctl::Ok); // the question shown is the initial text
        click(dialog, cardctl::SearchQuestion);
        found.push_back(shownId(dialog));
    }
    EXPECT_EQ(found, (std::vector<int32_t>{3, 9, 3}));
    EXPECT_EQ(control(dialog, cardctl::Answer)->text(), QStringLiteral("house"));
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(ChangeCardDialogTest, textNotFoundEvenCaseBlindLeavesNoCardAndOkThenHasNoCard) {
    add(mainList, "haus", "house");
    ChangeCardDialog* dialog = openDialog();
    ui::showCard(mainList.cards().front());
    answerSearch(QStringLiteral("Hause"));
    click(dialog, cardctl::SearchQuestion);
    EXPECT_EQ(dialog->chosenCard(), nullptr);
    EXPECT_EQ(control(dialog, cardctl::Question)->text(), QStringLiteral("haus")); // unchanged
    click(dialog, cardctl::Ok);
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"The card was not found.",
                                        "There is no card selected to modify. Please choose "
                                        "'close' or 'search ...'"}));
}

TEST_F(ChangeCardDialogTest, searchIdReadsTheLeadingNumber) {
    nextCardId = 0;
    add(mainList, "zero");
    nextCardId = 12;
    add(knownList, "twelve");
    ChangeCardDialog* dialog = openDialog();
    answerSearch(QStringLiteral("12abc"));
    click(dialog, cardctl::SearchId);
    EXPECT_EQ(control(dialog, cardctl::Question)->text(), QStringLiteral("twelve"));
    answerSearch(QStringLiteral("abc"));
    click(dialog, cardctl::SearchId);
    EXPECT_EQ(control(dialog, cardctl::Question)->text(), QStringLiteral("zero"));
    answerSearch(QStringLiteral("99999999999"));
    click(dialog, cardctl::SearchId);
    EXPECT_EQ(dialog->chosenCard(), nullptr);
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{"The card was not found."}));
}

TEST_F(ChangeCardDialogTest, longQuestionIsShownWholeRefusedOnSearchAndFoundByEscape) {
    const std::string longQuestion(70, 'q');
    Card* card = add(mainList, longQuestion);
    ChangeCardDialog* dialog = openDialog();
    ui::showCard(card);
    QString shownInSearch;
    int searchResult = 0;
    modals.queue([&](QDialog& search) {
        auto* field = search.findChild<QLineEdit*>(QString::number(cardctl::SearchText));
        shownInSearch = field->text();
        searchResult = ui::pressButton(search, cardctl::Ok);
        QTest::keyClick(field, Qt::Key_Escape);
        return ui::mappedResult(search.result());
    });
    click(dialog, cardctl::SearchQuestion);
    EXPECT_EQ(shownInSearch.size(), 70);
    EXPECT_EQ(searchResult, -1); // the dialog stayed open
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Please enter no more than 59 characters."}));
    EXPECT_EQ(dialog->chosenCard(), card);
}

TEST_F(ChangeCardDialogTest, okStoresTheTextsSoundsAndMarksButLeavesTheCounters) {
    Card* card = add(mainList, "q", "a", "old");
    card->level = 3;
    modifiedFlag = 0;
    ChangeCardDialog* dialog = openDialog();
    ui::showCard(card);
    EXPECT_EQ(control(dialog, cardctl::Level)->text(), QStringLiteral("3"));
    control(dialog, cardctl::Lesson)->setText(QStringLiteral("new"));
    control(dialog, cardctl::Answer)->setText(QStringLiteral("\u00E4rger"));
    click(dialog, cardctl::Ok);
    EXPECT_EQ(card->lesson(), "new");
    EXPECT_EQ(card->answer(), "ärger");
    EXPECT_EQ(card->level, 3);
    EXPECT_EQ(modifiedFlag, 1);
    EXPECT_EQ(tones.tones, (std::vector<std::pair<int, int>>{{440, 50}}));
    EXPECT_EQ(host.counterUpdates, 0);
    EXPECT_EQ(dialog->chosenCard(), card);
}

TEST_F(ChangeCardDialogTest, deleteAsksFirstAndRemovesTheCardShownByIdentity) {
    Card* first = add(mainList, "first");
    Card* second = add(mainList, "second");
    second->id = first->id; // a file may hold an id twice
    wrongList.appendCard(second);
    ChangeCardDialog* dialog = openDialog();
    ui::showCard(second);
    modifiedFlag = 0;
    boxes.queue(ui::MessageAnswer::No);
    click(dialog, cardctl::DeleteCard);
    EXPECT_EQ(countCards(mainList), 2);
    EXPECT_EQ(modifiedFlag, 0);
    EXPECT_EQ(dialog->chosenCard(), second);

    boxes.queue(ui::MessageAnswer::Yes);
    click(dialog, cardctl::DeleteCard);
    EXPECT_EQ(mainList.cards(), (std::vector<Card*>{first}));
    EXPECT_EQ(retiredCardCount(), 1);
    EXPECT_EQ(wrongList.cards().front()->question(), "second"); // still valid there
    EXPECT_EQ(dialog->chosenCard(), nullptr);
    EXPECT_EQ(control(dialog, cardctl::Question)->text(), QString());
    EXPECT_EQ(modifiedFlag, 1);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Caution:"));
    EXPECT_EQ(boxes.boxes[0].text,
              QStringLiteral("You are trying to delete a card. Do you really want to delete it?"));

    click(dialog, cardctl::DeleteCard); // nothing chosen now
    EXPECT_EQ(notices.texts().back(), "There is no card chosen. Before you can delete a card, you "
                                      "have to search for it.");
}

TEST_F(ChangeCardDialogTest, oneWindowSharedByItsCommandAndShowCardAndClosedByCloseList) {
    Card* card = add(knownList, "known");
    ChangeCardDialog* dialog = openDialog();
    EXPECT_FALSE(host.isCommandEnabled(cmd::ModifyCards));
    ui::showCard(card);
    EXPECT_EQ(ChangeCardDialog::instance(), dialog);
    EXPECT_EQ(dialog->chosenCard(), card);
    ui::runCommand(cmd::NewCards);
    closeAllWindows(); // Close List, before the cards go
    resetCardStore();
    EXPECT_EQ(ChangeCardDialog::instance(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(registeredWindowCount(), 0);
}

TEST_F(ChangeCardDialogTest, closeGivesTheCommandBackAndShowCardOpensAnew) {
    Card* card = add(mainList, "q");
    ChangeCardDialog* dialog = openDialog();
    click(dialog, cardctl::Close);
    QApplication::processEvents();
    EXPECT_EQ(ChangeCardDialog::instance(), nullptr);
    EXPECT_TRUE(host.isCommandEnabled(cmd::ModifyCards));
    ui::showCard(card);
    ASSERT_NE(ChangeCardDialog::instance(), nullptr);
    EXPECT_EQ(ChangeCardDialog::instance()->chosenCard(), card);
    EXPECT_FALSE(host.isCommandEnabled(cmd::ModifyCards));
}

} // namespace
