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
// strike-out carry over. The face name is kept; a Windows face that is not installed shows in
// its installed stand-in (metric-compatible where there is one), any other missing face in the
// closest installed face the system finds.
QFont makeFont(const FontDescription& description);
// The same with the height replaced by a character height of the given pixels.
QFont makeFontWithCharHeight(const FontDescription& description, int characterHeight);
// False only for a font that cannot be made at all: an invalid description (no face name, a
// nonsensical height or weight) or a system without any font. A missing face is no reason.
bool fontCanBeMade(const FontDescription& description);
// The installed family that shows the description.
QString shownFamily(const FontDescription& description);
// Registers the stand-ins for the Windows faces that list files carry. Called once at start-up.
void registerFontSubstitutes();

// The description of a QFont (as the font dialog leaves it).
FontDescription describeFont(const QFont& font);
// The description of a font chosen starting from another: what a QFont does not hold (the
// character set, the precisions and the quality) comes from the start, and a face that is the
// one the start showed in keeps the start's face name, so a list saved here names on Windows
// the font it named before.
FontDescription describeFont(const QFont& chosen, const FontDescription& start);

} // namespace ui
