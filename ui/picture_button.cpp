#include "ui/picture_button.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
}

PictureButton::PictureButton(const QString& picturePath, QWidget* parent) : PictureButton(parent) {
    setPicture(picturePath);
}

bool PictureButton::setPicture(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        path_.clear();
        setIcon(QIcon());
        return false;
    }
    path_ = path;
    renderPicture();
    return true;
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    renderPicture();
}

// Drawn from the SVG at the button's size in device pixels, so it is sharp at every scale.
void PictureButton::renderPicture() {
    if (path_.isEmpty())
        return;
    QSize area = size() - QSize(6, 6);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QSvgRenderer renderer(path_);
    QSize picture = renderer.defaultSize().scaled(area, Qt::KeepAspectRatio);
    if (picture.isEmpty())
        picture = area;
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(
        QSize(std::lround(picture.width() * ratio), std::lround(picture.height() * ratio)));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    setIcon(QIcon(pixmap));
    setIconSize(picture);
}
