#include "cards/level_pictures.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

namespace {

QPixmap drawPicture(int picture) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    if (picture > 5)
        return pixmap;
    static const std::array<QColor, 5> diamonds = {QColor(144, 238, 144), QColor(0, 160, 0),
                                                   QColor(255, 220, 0), QColor(255, 140, 0),
                                                   QColor(139, 0, 0)};
    QPainter painter(&pixmap);
    painter.setPen(QColor(255, 190, 150)); // peach edge
    painter.setBrush(QColor(255, 245, 235));
    painter.drawRect(1, 1, 13, 13);
    if (picture < 5) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(diamonds[static_cast<std::size_t>(picture)].darker(130));
        painter.setBrush(diamonds[static_cast<std::size_t>(picture)]);
        painter.drawPolygon(QPolygon({QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(2, 8)}));
    }
    return pixmap;
}

} // namespace

const QPixmap& levelPixmap(int picture) {
    static const std::array<QPixmap, 8> strip = [] {
        std::array<QPixmap, 8> pictures;
        for (int i = 0; i < 8; ++i)
            pictures[static_cast<std::size_t>(i)] = drawPicture(i);
        return pictures;
    }();
    return strip[static_cast<std::size_t>(std::clamp(picture, 0, 7))];
}
