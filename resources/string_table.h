#pragma once

// The program's numbered texts. Every message the user sees is looked up here by its number.

namespace strings {

// The text with the given number, or nullptr when the table has none.
const char* text(int number);

} // namespace strings
