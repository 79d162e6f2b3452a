#pragma once

#include <QValidator>

namespace ui {

// Refuses any input with a character that Windows-1252 cannot hold, so a field never takes
// text that would turn into a broken byte.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace ui
