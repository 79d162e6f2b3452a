#include "ui/message_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ui {
namespace {

void drawDisc(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.setPen(QPen(colour.darker(130), box.width() / 32));
    painter.setBrush(colour);
    painter.drawEllipse(box.adjusted(1, 1, -1, -1));
}

void drawSign(QPainter& painter, const QRectF& box, const QString& sign, const QColor& colour) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(box.height() * 0.62));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, sign);
}

void drawCross(QPainter& painter, const QRectF& box) {
    const qreal inset = box.width() * 0.3;
    painter.setPen(QPen(Qt::white, box.width() / 9, Qt::SolidLine, Qt::RoundCap));
    const QRectF inner = box.adjusted(inset, inset, -inset, -inset);
    painter.drawLine(inner.topLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomLeft());
}

void drawWarning(QPainter& painter, const QRectF& box) {
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top() + 1);
    triangle.lineTo(box.right() - 1, box.bottom() - 2);
    triangle.lineTo(box.left() + 1, box.bottom() - 2);
    triangle.closeSubpath();
    const QColor yellow(250, 200, 30);
    painter.setPen(
        QPen(yellow.darker(140), box.width() / 32, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(yellow);
    painter.drawPath(triangle);
    drawSign(painter, box.adjusted(0, box.height() * 0.15, 0, 0), QStringLiteral("!"), Qt::black);
}

} // namespace

QPixmap messageIconPixmap(MessageIcon icon, int logicalSize, qreal pixelRatio) {
    if (icon == MessageIcon::None)
        return {};
    const int side = static_cast<int>(std::ceil(logicalSize * pixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box(0, 0, logicalSize, logicalSize);
    const QColor blue(40, 110, 200);
    switch (icon) {
    case MessageIcon::Error:
        drawDisc(painter, box, QColor(210, 40, 40));
        drawCross(painter, box);
        break;
    case MessageIcon::Information:
        drawDisc(painter, box, blue);
        drawSign(painter, box, QStringLiteral("i"), Qt::white);
        break;
    case MessageIcon::Question:
        drawDisc(painter, box, blue);
        drawSign(painter, box, QStringLiteral("?"), Qt::white);
        break;
    case MessageIcon::Warning:
        drawWarning(painter, box);
        break;
    case MessageIcon::None:
        break;
    }
    return pixmap;
}

} // namespace ui
