#pragma once

#include <cstdint>

// The Windows single-byte code pages that lists were written in. In each, every byte has one
// character (a byte the code page leaves unused stands for the character of the same value, a C1
// control or a Latin-1 letter, so every byte survives a round trip) and a character has at most
// one byte. Bytes below 0x80 are ASCII in all of them.
enum class CodePage : uint8_t {
    cp1250,
    cp1251,
    cp1252,
    cp1253,
    cp1254,
    cp1255,
    cp1256,
    cp1257,
    cp1258
};

constexpr int kCodePageCount = 9;

char32_t characterOf(CodePage page, unsigned char byte);
// The byte for the character, or -1 when the code page has none.
int byteOf(CodePage page, char32_t c);

// The code page a Windows font's character set stands for: Central European (238) 1250,
// Cyrillic (204) 1251, Greek (161) 1253, Turkish (162) 1254, Hebrew (177) 1255, Arabic (178)
// 1256, Baltic (186) 1257, Vietnamese (163) 1258; Western and every other set 1252.
CodePage codePageOfCharSet(uint8_t charSet);
