#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ui {

// Where the user-perceived characters (grapheme clusters: a letter with its accents, an emoji
// with its modifiers, a Hangul syllable) of a UTF-8 text end, as byte offsets in ascending order;
// the last is the text's size. A text may be cut at these offsets and nowhere else.
std::vector<std::size_t> graphemeEnds(std::string_view text);

// Whether the text runs right to left: its first letter with a strong direction is Arabic,
// Hebrew or of another right-to-left script.
bool isRightToLeft(std::string_view text);

} // namespace ui
