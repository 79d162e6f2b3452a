#pragma once

#include <QValidator>

class QLineEdit;

namespace ui {

// Refuses an edit that leaves a field longer than its limit in characters (code points: a
// character beyond the basic plane counts once, not as its two UTF-16 units). Any character is
// taken. A longer text put into the field by the program is not cut: it may only get shorter.
// (QLineEdit::setMaxLength counts UTF-16 units and would cut it at once.)
class CharacterLimitValidator : public QValidator {
    Q_OBJECT
public:
    CharacterLimitValidator(int limit, QLineEdit* field);
    State validate(QString& input, int& position) const override;

private:
    int limit_;
    // The field's length before the edit being judged (the field already holds the new text).
    qsizetype lengthBefore_ = 0;
};

// Limits what can be typed into the field to this many characters.
void limitCharacters(QLineEdit* field, int limit);

} // namespace ui
