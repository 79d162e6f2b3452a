#pragma once

#include "store/code_page.h"
#include "store/font_description.h"

#include <array>
#include <string>
#include <string_view>

// How texts stand in a file. Cards hold UTF-8; a list whose every text has a byte in the Windows
// code page of its font is written in those code pages, exactly as lists always were, and any
// other list in UTF-8 with the same layout, marked in the second line of its head. An older
// reader skips the head and still finds every card (with the bytes of the other characters as
// letters of its code page). The code pages keep the order of CodePage.
enum class TextEncoding : uint8_t {
    cp1250,
    cp1251,
    cp1252,
    cp1253,
    cp1254,
    cp1255,
    cp1256,
    cp1257,
    cp1258,
    utf8
};

// The encodings of a list file's texts. In a list of the Windows code pages each text is in the
// code page of the font that shows it (the font's character set names it): the answer in the
// answer font's, the question, lesson and additional information in the question font's (the
// lesson is printed in that font too). A list written on a Western system with Russian answers
// thus keeps its German umlauts in the questions. A UTF-8 list is UTF-8 throughout.
struct ListEncoding {
    TextEncoding question = TextEncoding::cp1252; // also the lesson and the additional information
    TextEncoding answer = TextEncoding::cp1252;

    ListEncoding() = default;
    ListEncoding(TextEncoding all) : question(all), answer(all) {} // one for every text
    ListEncoding(TextEncoding questionEncoding, TextEncoding answerEncoding)
        : question(questionEncoding), answer(answerEncoding) {}
    bool isUtf8() const { return question == TextEncoding::utf8; }
};

// The Windows code page of a font's character set.
TextEncoding textEncodingOfCharSet(uint8_t charSet);
// The code pages a list with these fonts is written in when its texts fit them.
ListEncoding listEncodingOfFonts(const FontDescription& question, const FontDescription& answer);

constexpr std::string_view kCp1252FormatLine = "#Format Version 2.0, PC";
constexpr std::string_view kUtf8FormatLine = "#Format Version 2.0, UTF-8";
// Starts a text export in UTF-8, so that editors take it for UTF-8.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Appends a card text in the encoding with every TAB, CR and LF written as a blank: the formats
// have no escape for them, and a saved file must read back as the same cards. In a code page
// false when a character has no byte there; what was appended is then incomplete.
bool appendEncoded(std::string& out, std::string_view text, TextEncoding encoding);
// The same at out, which has room for text.size() bytes (no encoding takes more); returns the
// end of what was written, or nullptr when a character has no byte in the code page.
char* encodeText(char* out, std::string_view text, TextEncoding encoding);

// Several texts one after the other, each ended by a NUL (as a card keeps them), encoded at once
// as a card line has them: each NUL written as a TAB, every TAB, CR and LF as a blank. out has
// room for texts.size() bytes and 16 more (the bytes after what is written may be changed).
// Returns the end of what was written, or nullptr when a character has no byte in the code page.
char* encodeTexts(char* out, std::string_view texts, TextEncoding encoding);

// A text of a file as UTF-8: a view into the field when it needs no change, else built in the
// scratch string. A field of a UTF-8 file that is not well-formed UTF-8 is read as Windows-1252,
// so that no byte is lost.
std::string_view decodeField(std::string_view field, TextEncoding encoding, std::string& scratch);

// The UTF-8 bytes of each byte of a code page: their count, then up to three bytes (for
// UTF-8, those of Windows-1252, which a field that is not well-formed UTF-8 is read in).
using Utf8OfBytes = std::array<std::array<char, 4>, 256>;
const Utf8OfBytes& utf8OfBytes(TextEncoding encoding);

// A text file of unknown encoding: UTF-8 when it starts with a byte-order mark (which is
// dropped) or is well-formed UTF-8, Windows-1252 otherwise.
TextEncoding detectTextEncoding(std::string_view& bytes);
