#pragma once

#include "ui/canvas.h"

#include <string_view>
#include <vector>

// Breaking a card text into the lines of a printed column or card, measured in the font that
// is selected on the canvas. Each line is a piece of the text (a view into it).

// Texts are UTF-8; a line never ends inside a character as the reader sees it (a letter with its
// accents, an emoji), and "character" below means such a character.

// The lines of a list column: a line ends before the last space that keeps it narrower than the
// column, and the next line begins with that space. A word alone too wide is broken after the
// first character that crosses the column edge. A rest exactly as wide as the column is drawn
// as a line of its own and followed by an empty one.
std::vector<std::string_view> wrapColumnText(ui::Canvas& canvas, std::string_view text,
                                             int columnWidth);

// The lines of a flash card: a text no wider than the limit stays on one line. Otherwise lines
// take whole words while they are no wider than the limit, the next line starting after the
// space; the last word always stands on a line of its own. A word wider than the limit is cut
// into the longest pieces that fit.
std::vector<std::string_view> wrapCardText(ui::Canvas& canvas, std::string_view text, int limit);
