#include "ui/font_edit.h"

#include "ui/field_exchange.h"
#include "ui/fonts.h"
#include "ui/text_codec.h"

FontEdit::FontEdit(QWidget* parent) : QLineEdit(parent) {}

FontEdit::FontEdit(const FontDescription& source, QWidget* parent) : FontEdit(parent) {
    description_ = source;
    applyDescription();
}

void FontEdit::setFontFrom(const FontDescription& source, int characterHeight, int value) {
    description_ = source;
    description_.height = -characterHeight;
    value_ = value;
    applyDescription();
}

// The font shows at once rather than at the first change of the text: an empty field then
// already has its final height, and the first letters typed do not jump.
void FontEdit::applyDescription() {
    setFont(ui::makeFont(description_));
    update();
}

std::string FontEdit::textBytes() const {
    return ui::toStored(text());
}

void FontEdit::setTextBytes(std::string_view bytes) {
    ui::showFieldText(this, ui::fromStored(bytes));
}
