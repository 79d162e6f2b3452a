#include "ui/character_limit.h"

#include "ui/text_codec.h"

#include <QLineEdit>

namespace ui {

CharacterLimitValidator::CharacterLimitValidator(int limit, QLineEdit* field)
    : QValidator(field), limit_(limit), lengthBefore_(characterCount(field->text())) {
    // Every change, typed or set, ends here after it was judged.
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString& text) { lengthBefore_ = characterCount(text); });
}

QValidator::State CharacterLimitValidator::validate(QString& input, int&) const {
    qsizetype length = characterCount(input);
    return length > limit_ && length > lengthBefore_ ? Invalid : Acceptable;
}

void limitCharacters(QLineEdit* field, int limit) {
    field->setValidator(new CharacterLimitValidator(limit, field));
}

} // namespace ui
