#pragma once

#include "store/font_description.h"

#include <QFont>

// The three program-wide fonts, as descriptions. The shell changes them (font commands, list
// files, exchange); every window that shows questions or answers makes its QFont from them.
extern FontDescription questionFont;
extern FontDescription answerFont;
extern FontDescription printFont;

namespace ui {

// "MS Sans Serif", 16 point, as every font is at start.
FontDescription startFontDescription();
// Puts the three fonts back to the start description (for tests).
void resetFonts();

// Makes a QFont: negative height = character height in pixels, positive = cell height,
// 0 = the default size (about 10 pt at the device's resolution); weight, italic, underline and
// strike-out carry over. Windows face names are mapped to installed families.
QFont makeFont(const FontDescription& description);
// The same with the height replaced by a character height of the given pixels.
QFont makeFontWithCharHeight(const FontDescription& description, int characterHeight);
// False when the description is invalid or neither its face nor a substitute is installed.
bool fontCanBeMade(const FontDescription& description);
// Registers substitutes for the Windows faces that list files carry. Called once at start-up.
void registerFontSubstitutes();

// The description of a QFont (as the font dialog leaves it).
FontDescription describeFont(const QFont& font);

} // namespace ui
