#include "ui/picture_button.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QResizeEvent>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Each picture is read once for the run (the renderers go with the application).
QSvgRenderer& rendererFor(const QString& path) {
    static std::map<QString, QPointer<QSvgRenderer>> renderers;
    QPointer<QSvgRenderer>& renderer = renderers[path];
    if (!renderer)
        renderer = new QSvgRenderer(path, QCoreApplication::instance());
    return *renderer;
}

} // namespace

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
}

PictureButton::PictureButton(const QString& picturePath, QWidget* parent) : PictureButton(parent) {
    setPicture(picturePath);
}

bool PictureButton::setPicture(const QString& path) {
    if (!rendererFor(path).isValid()) {
        path_.clear();
        shown_.clear();
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

// Drawn from the SVG at the button's size in device pixels, so it is sharp at every scale. A
// drawing is kept for the next button or change of picture that needs it at the same size.
void PictureButton::renderPicture() {
    if (path_.isEmpty())
        return;
    QSize area = size() - QSize(6, 6);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QSvgRenderer& renderer = rendererFor(path_);
    QSize picture = renderer.defaultSize().scaled(area, Qt::KeepAspectRatio);
    if (picture.isEmpty())
        picture = area;
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("zelkora picture %1 %2x%3 %4")
                            .arg(path_)
                            .arg(picture.width())
                            .arg(picture.height())
                            .arg(ratio);
    if (key == shown_)
        return;
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(
            QSize(std::lround(picture.width() * ratio), std::lround(picture.height() * ratio)));
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, pixmap);
    }
    shown_ = key;
    setIcon(QIcon(pixmap));
    setIconSize(picture);
}
