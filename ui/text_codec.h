#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ui {

// The one crossing between the card store's texts (UTF-8) and the windows' QString.
QString fromStored(std::string_view text);
std::string toStored(const QString& text);

// The text in Unicode normalisation form C (composed: e + combining acute becomes é). Texts of
// ASCII alone come back unchanged at once.
std::string composedText(std::string_view text);

// The number of characters (code points) of the text: a surrogate pair counts once.
qsizetype characterCount(const QString& text);

} // namespace ui
