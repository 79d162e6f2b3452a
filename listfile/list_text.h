#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small helpers the writers share.

// Appends a card text with every TAB, CR and LF written as a blank: the formats have no escape
// for them, and a saved file must read back as the same cards.
void appendText(std::string& out, std::string_view text);
// Replaces every TAB, CR and LF in the text by a blank.
void blankLineBreaks(std::string& text);
// Appends a 32-bit number in decimal.
void appendDecimal(std::string& out, int32_t number);
