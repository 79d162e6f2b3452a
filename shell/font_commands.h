#pragma once

#include "store/font_description.h"

// The question, answer and print fonts: made at start, chosen by the user, restored from a list
// file and exchanged with question and answer. The descriptions live in ui/fonts.h.
namespace shell {

// "MS Sans Serif" 16 point for all three fonts, or "System" 16 point when that face cannot be made.
void makeStartFonts();

// The font commands: the font dialog starts from the current font; whatever the user ends it with,
// the font is made anew from what the dialog leaves with height 0 (the default size), so the size
// chosen in the dialog is not kept. The print font follows the question font.
void chooseQuestionFont();
void chooseAnswerFont();

// The font a list file names, or, when it cannot be made, the one the user picks instead after
// being told (the dialog starts from the file's font; Cancel keeps it).
FontDescription restoreFont(const FontDescription& fromFile);
// Both fonts of a list file, question first.
void restoreFonts(const FontDescription& questionFromFile, const FontDescription& answerFromFile);

// Question and answer fonts change places; the print font stays.
void exchangeFonts();

} // namespace shell
