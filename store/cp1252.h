#pragma once

// The Windows-1252 code page, one of those of store/code_page.h: every byte has a character
// (0x80-0x9F as Windows-1252, the five codes it leaves unused as the C1 control of the same
// value, so every byte survives a round trip), and a character has at most one byte.

char32_t characterOfCp1252(unsigned char byte);
// The byte for the character, or -1 when Windows-1252 has none.
int cp1252ByteOf(char32_t c);
