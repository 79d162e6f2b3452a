#include "cards/statistics_dialog.h"

#include "cards/card_control_ids.h"
#include "cards/statistics_chart_widget.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/clock.h"
#include "store/preferences.h"
#include "store/program_state.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

CardWindow* StatisticsDialog::current_ = nullptr;

namespace {

// The ten figures in their places: the left column, then the right one.
constexpr const char* kFigureLabels[10] = {
    QT_TRANSLATE_NOOP("StatisticsDialog", "Number of cards:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Known Cards:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Wrong Cards:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "averagely asked:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "total asked:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "time per card:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "time total:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "% wrong:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "Wrong answers/answers:"),
    QT_TRANSLATE_NOOP("StatisticsDialog", "remaining examinations:")};

std::string figureOf(const StatisticsFigures& s, int place) {
    switch (place) {
    case 0:
        return formatFigure(s.numberOfCards);
    case 1:
        return formatFigure(s.knownCards);
    case 2:
        return formatFigure(s.wrongCards);
    case 3:
        return formatFigure(s.averagelyAsked);
    case 4:
        return formatFigure(s.totalAsked);
    case 5:
        return formatFigure(s.timePerCard);
    case 6:
        return formatFigure(s.timeTotal);
    case 7:
        return formatFigure(s.percentWrong);
    case 8:
        return formatFigure(s.wrongPerAnswers);
    default:
        return formatFigure(s.remainingExaminations);
    }
}

// A caption stands in the charts' pixels; the charts grow wide enough to show it whole.
void caption(QWidget* chart, const QString& text, int x, int y) {
    auto* label = new QLabel(text, chart);
    label->move(x, y);
    label->adjustSize();
    chart->setFixedWidth(std::max(chart->width(), x + label->width() + 8));
}

} // namespace

StatisticsFigures currentStatistics() {
    return computeStatistics(mainList, knownList, wrongList, preferences.knownThreshold,
                             listStartTime, clockMillis());
}

StatisticsDialog* StatisticsDialog::openWindow() {
    if (StatisticsDialog* open = instance()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new StatisticsDialog();
    dialog->show();
    return dialog;
}

StatisticsDialog::StatisticsDialog() : CardWindow({{cmd::Statistics, 0}}, &current_) {
    setWindowTitle(tr("Statistics"));
    buildControls();
    refresh();
}

void StatisticsDialog::buildControls() {
    chart_ = new StatisticsChart(this);
    chart_->setObjectName(QString::number(cardctl::Charts));
    chart_->onCounted([this](const StatisticsFigures& figures) { showFigures(figures); });
    caption(chart_, tr("Cards on level 0,1,2,3,4,5,6,7 and more. Known cards included."), 8, 6);
    caption(chart_,
            tr("Learning success: improvement of the level of your cards of -3, -2, -1, 0, 1, 2, "
               "3, 4 and more."),
            8, 107);

    auto* figures = new QGridLayout;
    for (int place = 0; place < 10; ++place) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::number(cardctl::FirstFigure + place));
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 20);
        fields_[static_cast<std::size_t>(place)] = field;
        const int row = place % 5;
        const int column = place < 5 ? 0 : 2;
        figures->addWidget(new QLabel(tr(kFigureLabels[place]), this), row, column);
        figures->addWidget(field, row, column + 1);
    }

    QPushButton* ok = ui::dialogButton(tr("OK"), cardctl::Ok, this);
    ok->setDefault(true);
    QPushButton* refreshButton = ui::dialogButton(tr("Refresh"), cardctl::Refresh, this);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(refreshButton, &QPushButton::clicked, this, &StatisticsDialog::refresh);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(refreshButton);
    buttons->addStretch();
    // The charts are drawn in the window's own pixels: the chart widget lies at its top-left
    // corner, and only the buttons and the figures keep a margin.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    buttons->setContentsMargins(0, margin, 0, 0);
    figures->setContentsMargins(margin, 0, 0, 0);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, margin, margin);
    grid->addWidget(chart_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addLayout(buttons, 0, 1);
    grid->addLayout(figures, 1, 0, 1, 2);
}

void StatisticsDialog::refresh() {
    showFigures(currentStatistics());
    chart_->update();
}

void StatisticsDialog::showFigures(const StatisticsFigures& figures) {
    if (anyShown_ && figures == shown_)
        return;
    shown_ = figures;
    anyShown_ = true;
    for (int place = 0; place < 10; ++place)
        ui::showFieldText(fields_[static_cast<std::size_t>(place)],
                          QString::fromStdString(figureOf(figures, place)));
}

QString StatisticsDialog::figureText(int place) const {
    return fields_[static_cast<std::size_t>(place)]->text();
}
