#pragma once

#include <QPushButton>
#include <QString>

// A flat button that shows an SVG picture filling the button, drawn anew for every size and
// screen scale so it stays crisp.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    PictureButton(const QString& picturePath, QWidget* parent = nullptr);

    // A resource path such as ":/pictures/start.svg"; false when it is no readable SVG. Each
    // picture is read once for the run (the program's own are built in), and its drawings are
    // kept for the next button or change of picture that needs them at the same size.
    bool setPicture(const QString& path);
    QString picture() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderPicture();

    QString path_;
    QString shown_; // what the icon shows: picture, size and scale
};
