#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ui {

// Windows-1252 bytes to text (0x80-0x9F as Windows-1252, the rest as Latin-1; the five unused
// codes map to the C1 controls of the same value, so every byte survives a round trip).
QString fromCp1252(std::string_view bytes);
// Text to Windows-1252 bytes. A character that Windows-1252 cannot hold becomes '?' and
// *lossless (when given) is set to false.
std::string toCp1252(const QString& text, bool* lossless = nullptr);
// Whether every character of the text has a Windows-1252 byte.
bool fitsCp1252(const QString& text);

} // namespace ui
