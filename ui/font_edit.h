#pragma once

#include "store/font_description.h"

#include <QLineEdit>

#include <string>
#include <string_view>

// An edit field that shows its text in its own copy of a font (a question or an answer at a
// fixed height). Any character is taken; ui::limitCharacters bounds it.
class FontEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FontEdit(QWidget* parent = nullptr);
    FontEdit(const FontDescription& source, QWidget* parent = nullptr);

    // Copies the description with its height set to -characterHeight, makes the font and shows
    // it at once; value is kept for the owning dialog.
    void setFontFrom(const FontDescription& source, int characterHeight, int value);

    const FontDescription& fontDescription() const { return description_; }
    int value() const { return value_; }

    // The text as the card store holds it (UTF-8), and back.
    std::string textBytes() const;
    void setTextBytes(std::string_view bytes);

private:
    void applyDescription();

    FontDescription description_;
    int value_ = 0;
};
