#include "shell/wrapping_radio_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textRect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const bool focused = option.state & QStyle::State_HasFocus;

    // The style draws the indicator alone; the text is drawn wrapped beside it.
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, textRect, flags, palette(), isEnabled(), text(),
                          QPalette::WindowText);
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = painter.boundingRect(textRect, flags, text()).intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
