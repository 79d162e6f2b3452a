#include "shell/dialog_units.h"

#include <QFontMetrics>

#include <algorithm>

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded, as the window system measures it.
    int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = std::max(1, (letters / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
}

QFont dialogFont(int points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
