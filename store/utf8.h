#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Card texts are UTF-8. These helpers count, cut, check and order them without any library.

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing beyond
// U+10FFFF).
bool isValidUtf8(std::string_view text);

// The length of the well-formed sequence that starts at text[at], or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// The character whose well-formed sequence starts at text[at]; at moves past it. At a byte that
// starts no well-formed sequence: U+FFFD, and at moves by one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& at);

void appendUtf8(std::string& out, char32_t c);

// The number of characters (code points) of well-formed UTF-8.
std::size_t countCharacters(std::string_view text);

// The first at most maxCharacters characters of well-formed UTF-8; never cuts inside one.
std::string_view leadingCharacters(std::string_view text, std::size_t maxCharacters);

// Compares two well-formed UTF-8 texts (-1, 0, 1) character by character, each character ranked
// by its Windows-1252 byte where it has one and after all of those by its code point otherwise;
// so texts written in Windows-1252 keep the order their bytes always gave.
int compareStoredText(std::string_view a, std::string_view b);
