#include "ui/field_exchange.h"

#include "resources/string_table.h"
#include "store/notices.h"
#include "ui/text_codec.h"
#include "ui/ui_texts.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace ui {
namespace {

// The string table's text with %1 and %2 filled in, UTF-8.
std::string filledText(int number, const QString& first, const QString& second = {}) {
    QString text = QString::fromUtf8(strings::text(number));
    text.replace(QStringLiteral("%1"), first);
    text.replace(QStringLiteral("%2"), second);
    return text.toStdString();
}

void refuse(QLineEdit* field, const std::string& message) {
    showErrorText(message);
    field->setFocus();
    field->selectAll();
}

// An optional sign and decimal digits, blanks around allowed; false for anything else and for
// a number that an int cannot hold.
bool parseInteger(const QString& text, long long& number) {
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 20)
        return false;
    bool ok = false;
    number = trimmed.toLongLong(&ok, 10);
    return ok;
}

void selectFromEnd(QLineEdit* field) {
    if (field->hasSelectedText())
        field->setSelection(int(field->text().size()), -int(field->text().size()));
    else
        field->setCursorPosition(0);
}

// Shows the whole text of a cut field as its tooltip; a field whose text fits shows none (or the
// tooltip it was given). A read-only field reached with Tab has its text selected as usual, but
// from its end back to its start, so that the start stays in sight.
class WholeTextTip : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && field->isReadOnly() && event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(
                field, [field] { selectFromEnd(field); }, Qt::QueuedConnection);
        if (!field || event->type() != QEvent::ToolTip || !field->toolTip().isEmpty())
            return false;
        if (fieldTextIsCut(field))
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), field->text(), field);
        else
            QToolTip::hideText();
        return true;
    }
};

WholeTextTip& wholeTextTip() {
    static WholeTextTip tip;
    return tip;
}

} // namespace

void showFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
    // Installing it again only moves it to the front.
    field->installEventFilter(&wholeTextTip());
}

bool fieldTextIsCut(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    // The field keeps a little room for its caret at either end.
    const int width = room.width() - margins.left() - margins.right() - 4;
    return field->fontMetrics().horizontalAdvance(field->text()) > width;
}

bool readIntField(QLineEdit* field, int min, int max, int& value) {
    long long number = 0;
    if (!parseInteger(field->text(), number) || number < INT32_MIN || number > INT32_MAX) {
        refuse(field, strings::text(text::NotAnInteger));
        return false;
    }
    if (number < min || number > max) {
        refuse(field,
               filledText(text::IntegerOutOfRange, QString::number(min), QString::number(max)));
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool readIntField(QLineEdit* field, int& value) {
    return readIntField(field, INT32_MIN, INT32_MAX, value);
}

bool checkTextLength(QLineEdit* field, int limit) {
    if (characterCount(field->text()) <= limit)
        return true;
    refuse(field, filledText(text::TooManyCharacters, QString::number(limit)));
    return false;
}

} // namespace ui
