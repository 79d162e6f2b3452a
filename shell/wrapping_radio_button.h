#pragma once

#include <QRadioButton>

// A radio button whose text wraps onto further lines within its width, as a multi-line button of
// a dialog does. The text itself stays whole: text() gives it back as it was set.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole button answers a click, also the lines below the first.
    bool hitButton(const QPoint& pos) const override;
};
