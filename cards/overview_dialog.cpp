#include "cards/overview_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/card_table_model.h"
#include "cards/lesson_rows.h"
#include "cards/row_search.h"
#include "cards/search_dialog.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/command_registry.h"
#include "ui/field_exchange.h"
#include "ui/text_codec.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

CardWindow* OverviewDialog::current_ = nullptr;

namespace {

constexpr int kColumnWidths[OverviewColumnCount] = {150, 150, 150, 50, 50, 50};
constexpr int kLessonColumn = 3;
constexpr const char* kFilterLabels[] = {"All cards",   "Known Cards",      "Unknown Cards",
                                         "Wrong Cards", "Cards of lesson:", "Cards on level:"};

QPushButton* button(QWidget* parent, const char* label, int id) {
    auto* b = new QPushButton(QString::fromUtf8(label), parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
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
    setWindowTitle(QStringLiteral("Contents of your vocabulary list:"));
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
        auto* radio = new QRadioButton(QString::fromUtf8(kFilterLabels[kind]), box);
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
    for (int column = 0; column < OverviewColumnCount; ++column)
        table_->header()->resizeSection(column, kColumnWidths[column]);
    // A lesson name of ten characters shows whole, not cut to its first four.
    const int lessonWidth = table_->fontMetrics().averageCharWidth() * (kLessonLimit + 2);
    if (lessonWidth > kColumnWidths[kLessonColumn])
        table_->header()->resizeSection(kLessonColumn, lessonWidth);
    connect(table_->header(), &QHeaderView::sectionClicked, this, &OverviewDialog::sortByColumn);
    connect(table_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { openCardOfRow(index.row()); });

    auto* intro = new QLabel(
        QStringLiteral("Here you can see an overview of your cards. Click on a column to sort the "
                       "list, double-click on a card to display it."),
        this);
    intro->setWordWrap(true);
    QPushButton* ok = button(this, "OK", cardctl::Ok);
    ok->setDefault(true);
    QPushButton* search = button(this, "Search for...", cardctl::SearchFor);
    QPushButton* refresh = button(this, "Refresh List", cardctl::RefreshList);
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
    resize(820, 520);
}

void OverviewDialog::fillTable() {
    model_->setCards(listOfFilter(filter_, lists_).cards());
}

// Each lesson once, without regard to case; filled only when the window opens.
void OverviewDialog::fillLessonTable() {
    for (const std::string& lesson : buildLessonRows(mainList, knownList)) {
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

// An empty field keeps the level number; a text that is no whole number is refused.
bool OverviewDialog::readLevelField() {
    if (levelField_->text().isEmpty())
        return true;
    int value = level_;
    if (!ui::readIntField(levelField_, value))
        return false;
    level_ = value;
    return true;
}

void OverviewDialog::lessonsChosen() {
    filter_ = OverviewFilter::LessonCards;
    checkFilter(filter_);
    clearList(lists_.lessonCards);
    readLevelField();
    std::vector<std::string> chosen;
    for (int row = 0; row < lessons_->count(); ++row)
        if (lessons_->item(row)->isSelected())
            chosen.push_back(lessons_->item(row)->data(Qt::UserRole).toByteArray().toStdString());
    releaseBlocks(lists_.lessonCards);
    collectLessonCards(mainList, knownList, chosen, lists_.lessonCards);
    fillTable();
}

void OverviewDialog::levelChanged() {
    readLevelField();
    filter_ = OverviewFilter::LevelCards;
    checkFilter(filter_);
    fillLevelCards(lists_, level_);
    fillTable();
}

void OverviewDialog::sortByColumn(int column) {
    if (sortShownList(filter_, lists_, column))
        fillTable();
}

void OverviewDialog::searchRows() {
    RowSearchState& state = rowSearchState();
    state.text = SearchDialog::ask(this, state.text,
                                   QStringLiteral("Please enter the string to search for."));
    const int row = ::searchRows(model_->cards(), state);
    if (row < 0) {
        showError(261);
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

// A click into the lesson table that leaves the selection as it was still chooses the lessons.
bool OverviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lessons_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            lessonSelectionChanged_ = false;
        else if (event->type() == QEvent::MouseButtonRelease && !lessonSelectionChanged_)
            lessonsChosen();
    }
    return CardWindow::eventFilter(watched, event);
}
