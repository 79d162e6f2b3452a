#pragma once

#include <string>
#include <string_view>

// How texts stand in a file. Cards hold UTF-8; a list whose every text has a Windows-1252 byte is
// written in Windows-1252, exactly as lists always were, and any other list in UTF-8 with the
// same layout, marked in the second line of its head. An older reader skips the head and still
// finds every card (with the bytes of the other characters as Windows-1252 letters).
enum class TextEncoding { cp1252, utf8 };

constexpr std::string_view kCp1252FormatLine = "#Format Version 2.0, PC";
constexpr std::string_view kUtf8FormatLine = "#Format Version 2.0, UTF-8";
// Starts a text export in UTF-8, so that editors take it for UTF-8.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Appends a card text in the encoding with every TAB, CR and LF written as a blank: the formats
// have no escape for them, and a saved file must read back as the same cards. In Windows-1252
// false when a character has no byte there; what was appended is then incomplete.
bool appendEncoded(std::string& out, std::string_view text, TextEncoding encoding);

// A text of a file as UTF-8: a view into the field when it needs no change, else built in the
// scratch string. A field of a UTF-8 file that is not well-formed UTF-8 is read as Windows-1252,
// so that no byte is lost.
std::string_view decodeField(std::string_view field, TextEncoding encoding, std::string& scratch);

// A text file of unknown encoding: UTF-8 when it starts with a byte-order mark (which is
// dropped) or is well-formed UTF-8, Windows-1252 otherwise.
TextEncoding detectTextEncoding(std::string_view& bytes);
