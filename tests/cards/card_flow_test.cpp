#include "cards/card_table_model.h"
#include "cards/change_card_dialog.h"
#include "cards/new_card_dialog.h"
#include "cards/overview_dialog.h"
#include "cards/statistics_dialog.h"
#include "tests/cards/card_windows_fixture.h"

#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTreeView>

namespace {

using CardFlowTest = CardWindowsTest;

void typeInto(QWidget* window, int id, const QString& text) {
    auto* field = window->findChild<QLineEdit*>(QString::number(id));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClicks(field, text);
}

TEST_F(CardFlowTest, typeCardsFindOneInTheOverviewChangeItAndReadItBack) {
    ui::runCommand(cmd::NewCards); // the second step of New List
    NewCardDialog* entry = NewCardDialog::instance();
    ASSERT_NE(entry, nullptr);
    const char* words[3][2] = {{"Haus", "house"}, {"Baum", "tree"}, {"Hund", "dog"}};
    for (auto& word : words) {
        typeInto(entry, cardctl::Question, QString::fromUtf8(word[0]));
        typeInto(entry, cardctl::Answer, QString::fromUtf8(word[1]));
        QTest::keyClick(control(entry, cardctl::Answer), Qt::Key_Return);
    }
    ASSERT_EQ(countCards(mainList), 3);

    ui::runCommand(cmd::Overview);
    OverviewDialog* overview = OverviewDialog::instance();
    ASSERT_NE(overview, nullptr);
    auto* table = control<QTreeView>(overview, cardctl::CardTable);
    const QPoint row = table->visualRect(overview->model().index(1, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(row),
                            table->viewport()->mapToGlobal(QPointF(row)), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &doubleClick);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, row);

    ChangeCardDialog* change = ChangeCardDialog::instance();
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(control(change, cardctl::Question)->text(), QStringLiteral("Baum"));
    QLineEdit* answer = control(change, cardctl::Answer);
    answer->selectAll();
    QTest::keyClicks(answer, QStringLiteral("tree, shaft"));
    QTest::keyClick(answer, Qt::Key_Return); // OK is the default button
    EXPECT_EQ(mainList.cards()[1]->answer(), "tree, shaft");

    click(overview, cardctl::RefreshList);
    EXPECT_EQ(overview->model().data(overview->model().index(1, 1), Qt::DisplayRole).toString(),
              QStringLiteral("tree, shaft"));
}

// Close List closes every card window before the cards go: nothing stored or shown afterwards
// touches a deleted card (run under AddressSanitizer too).
TEST_F(CardFlowTest, closeListWithEveryCardWindowOpenLeavesNoWindowOnAFreedCard) {
    Card* card = add(mainList, "q", "a");
    ui::runCommand(cmd::NewCards);
    ui::showCard(card);
    ui::runCommand(cmd::Overview);
    ui::runCommand(cmd::Statistics);
    QPointer<QWidget> entry = NewCardDialog::instance();
    QPointer<QWidget> change = ChangeCardDialog::instance();
    EXPECT_EQ(registeredWindowCount(), 4);

    closeAllWindows();
    resetCardStore();
    QApplication::processEvents();
    EXPECT_TRUE(entry.isNull());
    EXPECT_TRUE(change.isNull());
    EXPECT_EQ(registeredWindowCount(), 0);

    // The next list starts clean: a new entry window adds to it alone.
    ui::runCommand(cmd::NewCards);
    ASSERT_NE(NewCardDialog::instance(), nullptr);
    EXPECT_TRUE(mainList.empty());
}

// Enter presses the button that has the keyboard (as Tab or a click leave it), not the window's
// default button: no card entered, no card stored, the overview not closed.
TEST_F(CardFlowTest, enterPressesTheButtonThatHasTheKeyboard) {
    add(mainList, "q", "a");
    modifiedFlag = 0;
    struct Row {
        int command;
        QWidget* (*window)();
        int button;
        bool closes;
    };
    const Row rows[] = {
        {cmd::NewCards, []() -> QWidget* { return NewCardDialog::instance(); }, cardctl::Close,
         true},
        {cmd::ModifyCards, []() -> QWidget* { return ChangeCardDialog::instance(); },
         cardctl::Close, true},
        {cmd::Overview, []() -> QWidget* { return OverviewDialog::instance(); },
         cardctl::RefreshList, false},
        {cmd::Statistics, []() -> QWidget* { return StatisticsDialog::instance(); },
         cardctl::Refresh, false},
    };
    for (const Row& row : rows) {
        ui::runCommand(row.command);
        QWidget* window = row.window();
        ASSERT_NE(window, nullptr) << row.command;
        auto* button = control<QPushButton>(window, row.button);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(window->isVisible(), !row.closes) << row.command;
    }
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_EQ(countCards(mainList), 1);
    EXPECT_EQ(modifiedFlag, 0);
}

} // namespace
