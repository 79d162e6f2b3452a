#include "cards/bounded_text_validator.h"

#include <QLineEdit>

BoundedTextValidator::BoundedTextValidator(int limit, QLineEdit* field)
    : ui::Cp1252Validator(field), limit_(limit), field_(field) {}

QValidator::State BoundedTextValidator::validate(QString& input, int& position) const {
    if (input.size() > limit_ && input.size() > field_->text().size())
        return Invalid;
    return ui::Cp1252Validator::validate(input, position);
}
