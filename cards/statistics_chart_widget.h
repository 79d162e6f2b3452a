#pragma once

#include "cards/statistics_figures.h"

#include <QWidget>

#include <functional>

// The two bar charts of the statistics window, drawn in its pixels. Each paint counts the lists
// afresh and hands the figures to the window after the paint.
class StatisticsChart : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget* parent);
    void onCounted(std::function<void(const StatisticsFigures&)> handler);
    const StatisticsFigures& lastCounted() const { return figures_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StatisticsFigures figures_;
    std::function<void(const StatisticsFigures&)> counted_;
};
