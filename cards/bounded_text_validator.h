#pragma once

#include "ui/cp1252_validator.h"

class QLineEdit;

// Refuses characters that Windows-1252 cannot hold, and typing beyond the limit, without
// cutting a longer text that was put into the field: such a text may only get shorter.
// (QLineEdit::setMaxLength would cut it at once.)
class BoundedTextValidator : public ui::Cp1252Validator {
    Q_OBJECT
public:
    BoundedTextValidator(int limit, QLineEdit* field);
    State validate(QString& input, int& position) const override;

private:
    int limit_;
    QLineEdit* field_;
};
