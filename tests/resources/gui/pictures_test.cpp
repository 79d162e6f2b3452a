#include "resources/app_icon.h"
#include "resources/picture_paths.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

QString path(const char* p) {
    return QString::fromLatin1(p);
}

// Renders the drawing and returns the share of pixels that are not transparent.
double coverage(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++covered;
    return double(covered) / (image.width() * image.height());
}

} // namespace

// The three button pictures are linked into the program and draw something on their whole
// 256 x 192 area, not a blank or a tiny corner.
TEST(Pictures, buttonPicturesAreInTheProgramAndDraw) {
    for (const char* p : {pictures::kSave, pictures::kOpen, pictures::kStart}) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(QFile::exists(path(p)));
        QSvgRenderer renderer(path(p));
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBox(),
                  QRect(0, 0, pictures::kPictureWidth, pictures::kPictureHeight));
        const double share = coverage(renderer, QSize(256, 192));
        EXPECT_GT(share, 0.2);
        EXPECT_LT(share, 0.95); // the background stays transparent
    }
}

// The full box and the empty one must be told apart at a glance on the same button.
TEST(Pictures, saveAndOpenPicturesDiffer) {
    QSvgRenderer save(path(pictures::kSave));
    QSvgRenderer open(path(pictures::kOpen));
    QImage a(128, 96, QImage::Format_ARGB32_Premultiplied);
    QImage b(128, 96, QImage::Format_ARGB32_Premultiplied);
    a.fill(Qt::transparent);
    b.fill(Qt::transparent);
    QPainter pa(&a);
    save.render(&pa);
    pa.end();
    QPainter pb(&b);
    open.render(&pb);
    pb.end();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++differing;
    EXPECT_GT(differing, a.width() * a.height() / 4);
}

TEST(Pictures, iconIsAvailableFromSmallToLarge) {
    QImage png(path(pictures::kIconPng));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(256, 256));
    EXPECT_TRUE(png.hasAlphaChannel());

    QSvgRenderer svg(path(pictures::kIcon));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));

    const QIcon icon = pictures::applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        EXPECT_FALSE(pixmap.isNull()) << side;
        EXPECT_EQ(pixmap.width(), side) << side;
    }
}

// Pictures 0 to 4 of the level strip carry a diamond in the middle, 5 is the bare square, and
// 6 and 7 are empty.
TEST(Pictures, levelStripHasFiveDiamondsTheSquareAndTwoEmptyCells) {
    QSvgRenderer strip(path(pictures::kLevels));
    ASSERT_TRUE(strip.isValid());
    const int side = pictures::kLevelPictureSize;
    EXPECT_EQ(strip.viewBox(), QRect(0, 0, side * pictures::kLevelPictureCount, side));
    QImage image(side * pictures::kLevelPictureCount, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    strip.render(&painter);
    painter.end();
    for (int cell = 0; cell < pictures::kLevelPictureCount; ++cell) {
        int covered = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                covered += qAlpha(image.pixel(cell * side + x, y)) > 0;
        const bool centreDrawn = qAlpha(image.pixel(cell * side + side / 2, side / 2)) == 255;
        EXPECT_EQ(centreDrawn, cell <= 4) << cell;
        EXPECT_EQ(covered > 0, cell <= 5) << cell;
    }
}
