#include "ui/picture_button.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PictureButton, drawsTheSvgAtTheButtonSize) {
    QTemporaryDir dir;
    QString path = dir.filePath("square.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
               "<rect width='10' height='10' fill='red'/></svg>");
    file.close();

    PictureButton button;
    button.resize(80, 60);
    button.show();
    ASSERT_TRUE(button.setPicture(path));
    EXPECT_EQ(button.picture(), path);
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.iconSize(), QSize(54, 54));
    button.resize(200, 100);
    EXPECT_EQ(button.iconSize(), QSize(94, 94));
    QImage image = button.icon().pixmap(button.iconSize()).toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::red));
}

TEST(PictureButton, aPathThatIsNoSvgIsRefused) {
    PictureButton button;
    button.resize(40, 40);
    EXPECT_FALSE(button.setPicture("/no/such/picture.svg"));
    EXPECT_TRUE(button.icon().isNull());
    EXPECT_TRUE(button.picture().isEmpty());
}
