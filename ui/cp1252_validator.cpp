#include "ui/cp1252_validator.h"

#include "ui/text_codec.h"

namespace ui {

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return fitsCp1252(input) ? Acceptable : Invalid;
}

} // namespace ui
