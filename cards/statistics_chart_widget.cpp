#include "cards/statistics_chart_widget.h"

#include "cards/statistics_chart.h"
#include "cards/statistics_dialog.h"

#include <QMetaObject>
#include <QPainter>

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
    setFixedSize(400, 215);
}

void StatisticsChart::onCounted(std::function<void(const StatisticsFigures&)> handler) {
    counted_ = std::move(handler);
}

void StatisticsChart::paintEvent(QPaintEvent*) {
    const StatisticsFigures figures = currentStatistics();
    QPainter painter(this);
    for (const ChartRect& r : chartRectangles(figures)) {
        const QColor colour = QColor::fromRgb(r.rgb);
        if (r.frame) {
            // The outline lies inside the rectangle: its right and bottom edges are exclusive.
            painter.setPen(colour);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
        } else if (r.bottom > r.top) {
            painter.fillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, colour);
        }
    }
    if (figures == figures_)
        return;
    figures_ = figures;
    // The window's fields take the new figures after this paint, never inside it.
    if (counted_)
        QMetaObject::invokeMethod(
            this, [this] { counted_(figures_); }, Qt::QueuedConnection);
}
