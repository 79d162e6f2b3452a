#pragma once

#include "listfile/byte_reader.h"
#include "listfile/text_encoding.h"
#include "store/font_description.h"

#include <string>
#include <string_view>

// The longest face name a list file holds.
constexpr std::size_t kFaceNameLimit = 31;

// The face name as it is stored: at most 31 bytes of UTF-8, up to the NUL, with a TAB, CR or LF
// written as a blank so that the line stays one line.
std::string storedFaceName(const FontDescription& font);

// Appends the fourteen lines of a font block (thirteen numbers, then the face name: in UTF-8 for
// a UTF-8 file, else in the code page of the font's character set), each ending with CR LF. False
// when the face name has no form there.
bool writeFontBlock(std::string& out, const FontDescription& font, TextEncoding encoding);

// Reads the fourteen lines of a font block. Each line counts with its first 49 bytes; a line
// missing at the end of the input reads as empty (0, or no face name). The face name is read as
// writeFontBlock writes it and kept as at most 31 bytes of UTF-8, never a part of a character.
FontDescription readFontBlock(ByteReader& in, TextEncoding encoding = TextEncoding::cp1252);
