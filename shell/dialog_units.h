#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Places given in dialog units, converted to pixels with the base units of the dialog's font:
// a horizontal unit is a quarter of the average character width, a vertical unit an eighth of
// the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const { return units * baseX_ / 4; }
    int y(int units) const { return units * baseY_ / 8; }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }
    QSize size(int width, int height) const { return QSize(x(width), y(height)); }

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

private:
    int baseX_;
    int baseY_;
};

// The font a dialog template names ("MS Sans Serif" is shown in the installed sans face).
QFont dialogFont(int points);
