#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small helpers the writers share.

// Replaces every TAB, CR and LF in the text by a blank.
void blankLineBreaks(std::string& text);
// Appends a 32-bit number in decimal.
void appendDecimal(std::string& out, int32_t number);
