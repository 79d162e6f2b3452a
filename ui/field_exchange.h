#pragma once

class QLineEdit;
class QString;

namespace ui {

// Reads a whole number from the field. On failure the error box says "Please enter an
// integer." (or "Please enter an integer between %1 and %2." when out of range), the focus
// goes back to the field with its text selected, value is left alone and false is returned.
bool readIntField(QLineEdit* field, int min, int max, int& value);
bool readIntField(QLineEdit* field, int& value);

// False (after "Please enter no more than %1 characters.") when the field holds more than limit
// characters (one character is one Windows-1252 byte).
bool checkTextLength(QLineEdit* field, int limit);

// Fills a field for the user to read: the text shows from its first character, and while it is
// wider than the field, resting the mouse on the field shows the whole text. Every field the
// program fills goes through here.
void showFieldText(QLineEdit* field, const QString& text);

// Whether the field's text is wider than the room the field gives it.
bool fieldTextIsCut(const QLineEdit* field);

} // namespace ui
