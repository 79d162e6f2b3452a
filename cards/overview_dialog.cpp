#include "cards/overview_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/card_table_model.h"
#include "cards/card_texts.h"
#include "cards/lesson_rows.h"
#include "cards/row_search.h"
#include "cards/search_dialog.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/command_registry.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"
#include "ui/lesson_fold.h"
#include "ui/text_codec.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

CardWindow* OverviewDialog::current_ = nullptr;

namespace {

constexpr int kColumnWidths[OverviewColumnCount] = {150, 150, 150, 50, 50, 50};
constexpr int kLessonColumn = 3;
constexpr const char* kFilterLabels[] = {QT_TRANSLATE_NOOP("OverviewDialog", "All cards"),
                                         QT_TRANSLATE_NOOP("OverviewDialog", "Known Cards"),
                                         QT_TRANSLATE_NOOP("OverviewDialog", "Unknown Cards"),
                                         QT_TRANSLATE_NOOP("OverviewDialog", "Wrong Cards"),
                                         QT_TRANSLATE_NOOP("OverviewDialog", "Cards of lesson:"),
                                         QT_TRANSLATE_NOOP("OverviewDialog", "Cards on level:")};

// The columns' shares of the table's width, as the user last left them in this run.
std::array<int, OverviewColumnCount>& columnShares() {
    static std::array<int, OverviewColumnCount> shares{};
    return shares;
}

} // namespace

OverviewDialog* OverviewDialog::openWindow() {
    if (OverviewDialog* open = instance()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new OverviewDialog();
    dialog->show();
    return dialog;
}

OverviewDialog::OverviewDialog() : CardWindow({{cmd::Overview, ctl::OverviewButton}}, &current_) {
    setWindowTitle(tr("Contents of your vocabulary list:"));
    buildControls();
    fillTable();
    fillLessonTable();
}

QWidget* OverviewDialog::buildFilterBox() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    radios_ = new QButtonGroup(this);
    for (int kind = 0; kind < 6; ++kind) {
        auto* radio = new QRadioButton(tr(kFilterLabels[kind]), box);
        radio->setObjectName(QString::number(cardctl::FirstFilter + kind));
        radios_->addButton(radio, kind);
        layout->addWidget(radio);
    }
    levelField_ = new QLineEdit(QStringLiteral("0"), box);
    levelField_->setObjectName(QString::number(cardctl::LevelField));
    layout->addWidget(levelField_);
    lessons_ = new QListWidget(box);
    lessons_->setObjectName(QString::number(cardctl::LessonTable));
    lessons_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lessons_->setFixedWidth(120);
    lessons_->viewport()->installEventFilter(this);
    layout->addWidget(lessons_, 1);
    checkFilter(filter_);

    connect(radios_, &QButtonGroup::idClicked, this,
            [this](int kind) { chooseFilter(static_cast<OverviewFilter>(kind)); });
    connect(levelField_, &QLineEdit::textEdited, this, &OverviewDialog::levelChanged);
    connect(lessons_, &QListWidget::itemSelectionChanged, this, [this] {
        lessonSelectionChanged_ = true;
        lessonsChosen();
    });
    return box;
}

void OverviewDialog::buildControls() {
    model_ = new CardTableModel(this);
    table_ = new QTreeView(this);
    table_->setObjectName(QString::number(cardctl::CardTable));
    table_->setModel(model_);
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setItemsExpandable(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->header()->setStretchLastSection(false);
    table_->header()->setSectionsMovable(false);
    table_->header()->setSectionsClickable(true);
    if (columnShares()[0] == 0) {
        std::copy(std::begin(kColumnWidths), std::end(kColumnWidths), columnShares().begin());
        // A lesson name of ten characters shows whole, not cut to its first four.
        const int lessonWidth = table_->fontMetrics().averageCharWidth() * (kLessonLimit + 2);
        columnShares()[kLessonColumn] = std::max(kColumnWidths[kLessonColumn], lessonWidth);
    }
    // The shares as widths until the window is laid out and the columns fill its width.
    fittingColumns_ = true;
    for (int column = 0; column < OverviewColumnCount; ++column)
        table_->header()->resizeSection(column, columnShares()[static_cast<std::size_t>(column)]);
    fittingColumns_ = false;
    table_->viewport()->installEventFilter(this);
    table_->installEventFilter(this);
    connect(table_->header(), &QHeaderView::sectionResized, this, &OverviewDialog::rememberColumns);
    connect(table_->header(), &QHeaderView::sectionClicked, this, &OverviewDialog::sortByColumn);
    connect(table_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { openCardOfRow(index.row()); });

    auto* intro =
        new QLabel(tr("Here you can see an overview of your cards. Click on a column to sort the "
                      "list, double-click on a card to display it."),
                   this);
    intro->setWordWrap(true);
    QPushButton* ok = ui::dialogButton(tr("OK"), cardctl::Ok, this);
    ok->setDefault(true);
    QPushButton* search = ui::dialogButton(tr("Search for..."), cardctl::SearchFor, this);
    QPushButton* refresh = ui::dialogButton(tr("Refresh List"), cardctl::RefreshList, this);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(search, &QPushButton::clicked, this, &OverviewDialog::searchRows);
    connect(refresh, &QPushButton::clicked, this, &OverviewDialog::fillTable);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addWidget(refresh);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* grid = new QGridLayout(this);
    grid->addWidget(intro, 0, 0, 1, 2);
    grid->addWidget(table_, 1, 0);
    grid->addWidget(buildFilterBox(), 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    // Tab goes as the window reads: the table, the filters beside it, then the buttons below.
    std::vector<QWidget*> order{table_};
    for (QAbstractButton* radio : radios_->buttons())
        order.push_back(radio);
    order.insert(order.end(), {levelField_, lessons_, search, refresh, ok});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    resize(820, 520);
}

// The columns share the table's width in the proportions the user gave them.
void OverviewDialog::fitColumns() {
    const std::array<int, OverviewColumnCount>& shares = columnShares();
    const int total = std::accumulate(shares.begin(), shares.end(), 0);
    const int width = table_->viewport()->width();
    if (total <= 0 || width <= 0)
        return;
    fittingColumns_ = true;
    int used = 0;
    for (int column = 0; column < OverviewColumnCount; ++column) {
        const int share = shares[static_cast<std::size_t>(column)];
        int size = column + 1 < OverviewColumnCount
                       ? static_cast<int>(static_cast<long long>(width) * share / total)
                       : width - used;
        size = std::max(size, table_->header()->minimumSectionSize());
        table_->header()->resizeSection(column, size);
        used += size;
    }
    fittingColumns_ = false;
}

// A column the user drags keeps its new share for the rest of the run, in every overview.
void OverviewDialog::rememberColumns() {
    if (fittingColumns_)
        return;
    for (int column = 0; column < OverviewColumnCount; ++column)
        columnShares()[static_cast<std::size_t>(column)] = table_->header()->sectionSize(column);
}

void OverviewDialog::fillTable() {
    model_->setCards(listOfFilter(filter_, lists_).cards());
}

// Each lesson once, without regard to case; filled only when the window opens.
void OverviewDialog::fillLessonTable() {
    for (const std::string& lesson : ui::lessonNames(mainList, knownList)) {
        auto* item = new QListWidgetItem(ui::fromStored(lesson), lessons_);
        item->setData(Qt::UserRole, QByteArray::fromStdString(lesson));
    }
}

void OverviewDialog::checkFilter(OverviewFilter filter) {
    radios_->button(static_cast<int>(filter))->setChecked(true);
}

void OverviewDialog::chooseFilter(OverviewFilter filter) {
    switch (filter) {
    case OverviewFilter::LessonCards:
        lessonsChosen();
        return;
    case OverviewFilter::LevelCards:
        levelChanged();
        return;
    case OverviewFilter::AllCards:
        fillAllCards(lists_);
        break;
    default:
        break;
    }
    filter_ = filter;
    checkFilter(filter);
    fillTable();
}

// A text that is no whole number is refused and the level number kept. Only the level field's own
// change lets an empty field pass silently; a click into the lesson table refuses it too.
void OverviewDialog::readLevelField(bool emptyKeepsNumber) {
    if (emptyKeepsNumber && levelField_->text().isEmpty())
        return;
    int value = level_;
    if (ui::readIntField(levelField_, value))
        level_ = value;
}

void OverviewDialog::lessonsChosen() {
    filter_ = OverviewFilter::LessonCards;
    checkFilter(filter_);
    clearList(lists_.lessonCards);
    readLevelField(false);
    std::vector<std::string> chosen;
    for (int row = 0; row < lessons_->count(); ++row)
        if (lessons_->item(row)->isSelected())
            chosen.push_back(lessons_->item(row)->data(Qt::UserRole).toByteArray().toStdString());
    releaseBlocks(lists_.lessonCards);
    collectLessonCards(mainList, knownList, chosen, lists_.lessonCards);
    fillTable();
}

void OverviewDialog::levelChanged() {
    readLevelField(true);
    filter_ = OverviewFilter::LevelCards;
    checkFilter(filter_);
    fillLevelCards(lists_, level_);
    fillTable();
}

// Every heading fills the table again, also "Add. Information", which sorts nothing.
void OverviewDialog::sortByColumn(int column) {
    sortShownList(filter_, lists_, column);
    fillTable();
}

void OverviewDialog::searchRows() {
    RowSearchState& state = rowSearchState();
    state.text = SearchDialog::ask(this, state.text, tr("Please enter the string to search for."));
    const int row = ::searchRows(model_->cards(), state);
    if (row < 0) {
        showError(cards::text::CardNotFound);
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    table_->setFocus();
    table_->scrollTo(index);
}

void OverviewDialog::openCardOfRow(int row) {
    if (Card* card = model_->cardAt(row))
        ui::showCard(card);
}

// Enter on a row opens its card, as a double-click does, rather than closing the window.
bool OverviewDialog::openCurrentRow(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QModelIndex current = table_->currentIndex();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !current.isValid())
        return false;
    openCardOfRow(current.row());
    return true;
}

// A click into the lesson table that leaves the selection as it was still chooses the lessons.
bool OverviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    if (watched == table_ && openCurrentRow(event))
        return true;
    if (lessons_ && watched == lessons_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            lessonSelectionChanged_ = false;
        else if (event->type() == QEvent::MouseButtonRelease && !lessonSelectionChanged_)
            lessonsChosen();
    }
    return CardWindow::eventFilter(watched, event);
}
