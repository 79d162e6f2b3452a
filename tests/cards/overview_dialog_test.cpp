#include "cards/card_table_model.h"
#include "cards/change_card_dialog.h"
#include "cards/overview_dialog.h"
#include "cards/row_search.h"
#include "tests/cards/card_windows_fixture.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTreeView>

namespace {

class OverviewDialogTest : public CardWindowsTest {
protected:
    // As a mouse does it: press and release, then the double-click and its release.
    static void doubleClick(QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        const QPointF global = widget->mapToGlobal(QPointF(at));
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(at), global, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    OverviewDialog* openOverview() {
        ui::runCommand(cmd::Overview);
        return OverviewDialog::instance();
    }
    static std::vector<std::string> shownQuestions(const OverviewDialog* dialog) {
        std::vector<std::string> out;
        for (const Card* card : dialog->model().cards())
            out.emplace_back(card->question());
        return out;
    }
    static void clickHeading(OverviewDialog* dialog, int column) {
        QHeaderView* header = control<QTreeView>(dialog, cardctl::CardTable)->header();
        QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    static void typeLevel(OverviewDialog* dialog, const QString& text) {
        QLineEdit* field = control(dialog, cardctl::LevelField);
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }
    static void selectLessons(OverviewDialog* dialog, std::initializer_list<int> rows) {
        auto* lessons = control<QListWidget>(dialog, cardctl::LessonTable);
        lessons->clearSelection();
        for (int row : rows)
            lessons->item(row)->setSelected(true);
    }
};

TEST_F(OverviewDialogTest, opensOnUnknownCardsAndGraysItsCommand) {
    add(mainList, "m");
    add(knownList, "k");
    OverviewDialog* dialog = openOverview();
    EXPECT_TRUE(control<QRadioButton>(dialog, cardctl::FirstFilter + 2)->isChecked());
    EXPECT_EQ(control(dialog, cardctl::LevelField)->text(), QStringLiteral("0"));
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"m"}));
    EXPECT_FALSE(host.isCommandEnabled(cmd::Overview));
    EXPECT_FALSE(host.isButtonEnabled(ctl::OverviewButton));
    click(dialog, cardctl::FirstFilter + 1);
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"k"}));
    click(dialog, cardctl::FirstFilter + 0);
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"m", "k"}));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(host.isCommandEnabled(cmd::Overview));
    EXPECT_TRUE(host.isButtonEnabled(ctl::OverviewButton));
    EXPECT_EQ(registeredWindowCount(), 0);
}

TEST_F(OverviewDialogTest, rowsShowTheCardTextsAlignedWithTheirLevelPicture) {
    Card* card = add(mainList,
                     "Stra\u00DF"
                     "e",
                     "street", "L\u00C4", 2);
    card->id = 77;
    card->level = -4;
    OverviewDialog* dialog = openOverview();
    const CardTableModel& model = dialog->model();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(),
              QStringLiteral("Stra\u00DFe"));
    EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), QStringLiteral("L\u00C4"));
    EXPECT_EQ(model.data(model.index(0, 4), Qt::DisplayRole).toString(), QStringLiteral("77"));
    EXPECT_EQ(model.data(model.index(0, 5), Qt::DisplayRole).toString(), QStringLiteral("-4"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Add. Information"));
    QPixmap picture = model.data(model.index(0, 0), Qt::DecorationRole).value<QPixmap>();
    EXPECT_EQ(picture.size(), QSize(16, 16));
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::DecorationRole).isValid());
    EXPECT_EQ(model.data(model.index(0, 4), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
              Qt::AlignRight);
    auto* table = control<QTreeView>(dialog, cardctl::CardTable);
    // The columns share the width as 150 : 150 : 150 : lesson : 50 : 50 to begin with.
    EXPECT_EQ(table->header()->sectionSize(0), table->header()->sectionSize(1));
    EXPECT_NEAR(table->header()->sectionSize(0), 3 * table->header()->sectionSize(4), 3);
    // A lesson of ten characters fits its column with a little room beside it.
    EXPECT_GE(table->header()->sectionSize(3),
              table->fontMetrics().horizontalAdvance(QStringLiteral("Lektion 10")) + 8);
    table->grab(); // paints the negative level without leaving the picture strip
}

TEST_F(OverviewDialogTest, lessonsListedOnceWithoutRegardToCaseAndChosenExactly) {
    add(mainList, "v1", "a", "Verbs");
    add(mainList, "n1", "a", "Nouns");
    add(mainList, "v2", "a", "verbs");
    add(knownList, "v3", "a", "Verbs");
    add(mainList, "n2", "a", "Nouns");
    OverviewDialog* dialog = openOverview();
    auto* lessons = control<QListWidget>(dialog, cardctl::LessonTable);
    ASSERT_EQ(lessons->count(), 2);
    EXPECT_EQ(lessons->item(0)->text(), QStringLiteral("Nouns"));
    EXPECT_EQ(lessons->item(1)->text(), QStringLiteral("Verbs"));
    selectLessons(dialog, {1});
    EXPECT_EQ(dialog->filter(), OverviewFilter::LessonCards);
    EXPECT_TRUE(control<QRadioButton>(dialog, cardctl::FirstFilter + 4)->isChecked());
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"v1", "v3"}));
    selectLessons(dialog, {0, 1});
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"n1", "n2", "v1", "v3"}));
    click(dialog, cardctl::FirstFilter + 2);
    click(dialog, cardctl::FirstFilter + 4); // the radio button takes the lessons still chosen
    EXPECT_EQ(shownQuestions(dialog).size(), 4u);
}

TEST_F(OverviewDialogTest, levelFieldFiltersAtEveryKeystroke) {
    add(mainList, "three", "a", "-", 3);
    add(mainList, "zero", "a", "-", 0);
    add(knownList, "known three", "a", "-", 3);
    OverviewDialog* dialog = openOverview();
    typeLevel(dialog, QStringLiteral("3"));
    EXPECT_EQ(dialog->filter(), OverviewFilter::LevelCards);
    EXPECT_TRUE(control<QRadioButton>(dialog, cardctl::FirstFilter + 5)->isChecked());
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"three"}));
    typeLevel(dialog, QString());
    EXPECT_EQ(dialog->levelNumber(), 3);
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"three"}));
    EXPECT_TRUE(notices.entries.empty());
    selectLessons(dialog, {0}); // only the field's own change lets it be empty
    EXPECT_EQ(dialog->filter(), OverviewFilter::LessonCards);
    typeLevel(dialog, QStringLiteral("x"));
    EXPECT_EQ(notices.texts(),
              (std::vector<std::string>{"Please enter an integer.", "Please enter an integer."}));
    EXPECT_EQ(dialog->levelNumber(), 3);
    typeLevel(dialog, QStringLiteral("0"));
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"zero"}));
}

TEST_F(OverviewDialogTest, sortingByLevelTwiceKeepsTheOrderAndUnknownByIdReordersTheMainList) {
    nextCardId = 5;
    add(mainList, "b", "a", "-", 2);
    nextCardId = 1;
    add(mainList, "c", "a", "-", 0);
    nextCardId = 3;
    add(mainList, "a", "a", "-", 2);
    OverviewDialog* dialog = openOverview();
    clickHeading(dialog, LevelColumn);
    std::vector<std::string> once = shownQuestions(dialog);
    clickHeading(dialog, LevelColumn);
    EXPECT_EQ(shownQuestions(dialog), once);
    EXPECT_EQ(once.front(), "c");
    clickHeading(dialog, IdColumn);
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{1, 3, 5}));
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(currentList, &mainList); // the examination in order asks by id now
    add(mainList, "d", "a", "-", 0);   // entered elsewhere: the heading fills the table again
    clickHeading(dialog, InfoColumn);
    EXPECT_EQ(ids(mainList), (std::vector<int32_t>{1, 3, 5, 4}));
    EXPECT_EQ(shownQuestions(dialog), (std::vector<std::string>{"c", "a", "b", "d"}));
}

TEST_F(OverviewDialogTest, sortingAnEmptyViewSaysSo) {
    add(mainList, "m");
    OverviewDialog* dialog = openOverview();
    click(dialog, cardctl::FirstFilter + 3);
    clickHeading(dialog, QuestionColumn);
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{"There are no cards to sort"}));
    EXPECT_EQ(dialog->model().rowCount(), 0);
}

TEST_F(OverviewDialogTest, searchSelectsMatchingRowsInTurnAndRestartsAfterNotFound) {
    for (const char* q : {"a", "b", "Rathaus", "c", "d", "Haus", "e"})
        add(mainList, q, "x");
    assignText(*mainList.cards()[5], CardField::question, "haus");
    rowSearchState() = {};
    OverviewDialog* dialog = openOverview();
    auto* table = control<QTreeView>(dialog, cardctl::CardTable);
    std::vector<int> selected;
    answerSearch(QStringLiteral("haus"));
    click(dialog, cardctl::SearchFor);
    selected.push_back(table->currentIndex().row());
    for (int i = 0; i < 2; ++i) {
        modals.queuePress(cardctl::Ok); // the last search text is offered again
        click(dialog, cardctl::SearchFor);
        selected.push_back(table->currentIndex().row());
    }
    EXPECT_EQ(selected, (std::vector<int>{2, 5, 2}));
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
    answerSearch(QStringLiteral("zzz"));
    click(dialog, cardctl::SearchFor);
    EXPECT_EQ(notices.texts(), (std::vector<std::string>{"The card was not found."}));
    EXPECT_EQ(rowSearchState().startRow, 0);
}

TEST_F(OverviewDialogTest, refreshShowsCardsAddedElsewhereAndDoubleClickOpensTheCard) {
    add(mainList, "first");
    OverviewDialog* dialog = openOverview();
    click(dialog, cardctl::FirstFilter + 0);
    add(mainList, "second");
    click(dialog, cardctl::RefreshList);
    EXPECT_EQ(dialog->model().rowCount(), 1); // "All cards" shows what it held when built
    click(dialog, cardctl::FirstFilter + 2);
    click(dialog, cardctl::RefreshList);
    EXPECT_EQ(dialog->model().rowCount(), 2);

    auto* table = control<QTreeView>(dialog, cardctl::CardTable);
    dialog->show();
    QRect row = table->visualRect(dialog->model().index(1, 1));
    doubleClick(table->viewport(), row.center());
    ASSERT_NE(ChangeCardDialog::instance(), nullptr);
    EXPECT_EQ(ChangeCardDialog::instance()->chosenCard(), mainList.cards()[1]);
}

// Texts left-aligned, numbers right; the columns share the table's width in the proportions the
// user last gave them; Enter on a row opens its card as a double-click does.
TEST_F(OverviewDialogTest, columnsShareTheWidthAndEnterOpensTheCard) {
    add(mainList, "first");
    add(mainList, "second");
    OverviewDialog* dialog = openOverview();
    const CardTableModel& model = dialog->model();
    for (int column = 0; column < OverviewColumnCount; ++column) {
        const bool number = column == IdColumn || column == LevelColumn;
        EXPECT_EQ(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt() &
                      Qt::AlignHorizontal_Mask,
                  number ? Qt::AlignRight : Qt::AlignLeft)
            << column;
    }
    auto* table = control<QTreeView>(dialog, cardctl::CardTable);
    auto filled = [&table] {
        int sum = 0;
        for (int column = 0; column < OverviewColumnCount; ++column)
            sum += table->header()->sectionSize(column);
        return sum;
    };
    for (int width : {900, 1300}) {
        dialog->resize(width, 500);
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(filled(), table->viewport()->width()) << width;
    }
    table->header()->resizeSection(AnswerColumn, table->header()->sectionSize(QuestionColumn) * 2);
    dialog->close();
    QApplication::processEvents();
    dialog = openOverview();
    table = control<QTreeView>(dialog, cardctl::CardTable);
    dialog->show();
    QApplication::processEvents();
    EXPECT_NEAR(table->header()->sectionSize(AnswerColumn),
                table->header()->sectionSize(QuestionColumn) * 2, 2);
    EXPECT_EQ(filled(), table->viewport()->width());

    table->setFocus();
    table->setCurrentIndex(dialog->model().index(1, 0));
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_NE(ChangeCardDialog::instance(), nullptr);
    EXPECT_EQ(ChangeCardDialog::instance()->chosenCard(), mainList.cards()[1]);
    EXPECT_EQ(OverviewDialog::instance(), dialog); // still open
}

} // namespace
