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

// Drawings are kept for the next change of picture: switching back shows the first again, and
// a second button of the same size shows the same picture.
TEST(PictureButton, switchingPicturesShowsEachAgain) {
    QTemporaryDir dir;
    auto square = [&](const char* name, const char* colour) {
        QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                              "<rect width='10' height='10' fill='") +
                   colour + "'/></svg>");
        return path;
    };
    const QString red = square("red.svg", "red");
    const QString blue = square("blue.svg", "blue");
    auto centre = [](const PictureButton& button) {
        QImage image = button.icon().pixmap(button.iconSize()).toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };
    PictureButton button;
    PictureButton other;
    for (PictureButton* b : {&button, &other}) {
        b->resize(80, 60);
        b->show();
    }
    for (const QString& path : {red, blue, red}) {
        ASSERT_TRUE(button.setPicture(path));
        EXPECT_EQ(centre(button), path == red ? QColor(Qt::red) : QColor(Qt::blue));
    }
    ASSERT_TRUE(other.setPicture(blue));
    EXPECT_EQ(centre(other), QColor(Qt::blue));
    EXPECT_EQ(centre(button), QColor(Qt::red));
}

TEST(PictureButton, aPathThatIsNoSvgIsRefused) {
    PictureButton button;
    button.resize(40, 40);
    EXPECT_FALSE(button.setPicture("/no/such/picture.svg"));
    EXPECT_TRUE(button.icon().isNull());
    EXPECT_TRUE(button.picture().isEmpty());
}
