#include "ui/field_exchange.h"

#include "resources/string_table.h"
#include "store/notices.h"
#include "ui/text_codec.h"

#include <QLineEdit>

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

} // namespace

bool readIntField(QLineEdit* field, int min, int max, int& value) {
    long long number = 0;
    if (!parseInteger(field->text(), number) || number < INT32_MIN || number > INT32_MAX) {
        refuse(field, strings::text(200));
        return false;
    }
    if (number < min || number > max) {
        refuse(field, filledText(201, QString::number(min), QString::number(max)));
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
    refuse(field, filledText(202, QString::number(limit)));
    return false;
}

} // namespace ui
