#pragma once

#include <vector>

// The program's numbered texts. Every message the user sees is looked up here by its number.

namespace strings {

// The text with the given number in the user's language, or nullptr when the table has none.
const char* text(int number);
// The same text as the table writes it (English), or nullptr.
const char* englishText(int number);
// Every number the table holds, ascending.
std::vector<int> numbers();

// Gives the text numbered `number` in the user's language (UTF-8), or nullptr to keep `english`.
// The window layer installs one; the text it returns must stay valid until the next install.
using Translator = const char* (*)(int number, const char* english);
void setTranslator(Translator translator);

} // namespace strings
