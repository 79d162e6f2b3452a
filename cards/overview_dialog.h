#pragma once

#include "cards/card_window.h"
#include "cards/overview_filter.h"

#include <cstdint>

class CardTableModel;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QTreeView;

// The list as a table, one row per card: filtered (all, known, unknown, wrong, chosen lessons,
// one level), sorted by a column, searched for a piece of text; a double-click opens the card
// in the change-card window.
class OverviewDialog : public CardWindow {
    Q_OBJECT
public:
    static OverviewDialog* openWindow();
    static OverviewDialog* instance() { return static_cast<OverviewDialog*>(current_); }

    OverviewFilter filter() const { return filter_; }
    int32_t levelNumber() const { return level_; }
    const CardTableModel& model() const { return *model_; }

    void chooseFilter(OverviewFilter filter);
    void lessonsChosen();
    void levelChanged();
    void sortByColumn(int column);
    void searchRows();
    void openCardOfRow(int row);
    void fillTable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OverviewDialog();
    void buildControls();
    QWidget* buildFilterBox();
    void fillLessonTable();
    void fitColumns();
    void rememberColumns();
    bool openCurrentRow(QEvent* event);
    void checkFilter(OverviewFilter filter);
    void readLevelField(bool emptyKeepsNumber);

    OverviewLists lists_;
    OverviewFilter filter_ = OverviewFilter::UnknownCards;
    int32_t level_ = 0;
    bool lessonSelectionChanged_ = false;
    bool fittingColumns_ = false;

    CardTableModel* model_;
    QTreeView* table_ = nullptr;
    QListWidget* lessons_ = nullptr;
    QLineEdit* levelField_;
    QButtonGroup* radios_;

    static CardWindow* current_;
};
