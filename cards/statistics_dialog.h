#pragma once

#include "cards/card_window.h"
#include "cards/statistics_figures.h"

#include <array>

class QLineEdit;
class StatisticsChart;

// How far the learning of the open list has come: cards by level, cards by their balance of
// right and wrong answers, and ten figures. Everything is counted afresh at every paint of
// the charts and at "Refresh".
class StatisticsDialog : public CardWindow {
    Q_OBJECT
public:
    static StatisticsDialog* openWindow();
    static StatisticsDialog* instance() { return static_cast<StatisticsDialog*>(current_); }

    // Counts the lists and shows the figures; the charts follow at their next paint.
    void refresh();
    // Shows figures counted by the charts' paint (called after the paint, never inside it).
    void showFigures(const StatisticsFigures& figures);
    QString figureText(int place) const;

private:
    StatisticsDialog();
    void buildControls();

    StatisticsChart* chart_;
    std::array<QLineEdit*, 10> fields_{};
    StatisticsFigures shown_;
    bool anyShown_ = false;

    static CardWindow* current_;
};

// Counts the lists the way the statistics window does now.
StatisticsFigures currentStatistics();
