#include "listfile/font_block.h"

#include "listfile/list_text.h"
#include "store/card.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kFontLineLimit = 49;

void appendLine(std::string& out, int32_t number) {
    appendDecimal(out, number);
    out += "\r\n";
}

std::string_view nextFontLine(ByteReader& in) {
    std::string_view line = in.readLine();
    return line.substr(0, std::min(line.size(), kFontLineLimit));
}

uint8_t lowByte(std::string_view line) {
    return static_cast<uint8_t>(static_cast<uint32_t>(parseDecimal(line)) & 0xFFu);
}

// Outside a UTF-8 file a face name is in the code page of its own font's character set.
TextEncoding faceNameEncoding(const FontDescription& font, TextEncoding fileEncoding) {
    return fileEncoding == TextEncoding::utf8 ? fileEncoding : textEncodingOfCharSet(font.charSet);
}

} // namespace

std::string storedFaceName(const FontDescription& font) {
    std::string name(font.faceName, strnlen(font.faceName, kFaceNameLimit));
    blankLineBreaks(name);
    return name;
}

bool writeFontBlock(std::string& out, const FontDescription& font, TextEncoding encoding) {
    for (int32_t number : {font.height, font.width, font.escapement, font.orientation, font.weight})
        appendLine(out, number);
    for (uint8_t byte : {font.italic, font.underline, font.strikeOut, font.charSet,
                         font.outPrecision, font.clipPrecision, font.quality, font.pitchAndFamily})
        appendLine(out, byte);
    if (!appendEncoded(out, storedFaceName(font), faceNameEncoding(font, encoding)))
        return false;
    out += "\r\n";
    return true;
}

FontDescription readFontBlock(ByteReader& in, TextEncoding encoding) {
    FontDescription font;
    for (int32_t* number :
         {&font.height, &font.width, &font.escapement, &font.orientation, &font.weight})
        *number = parseDecimal(nextFontLine(in));
    for (uint8_t* byte :
         {&font.italic, &font.underline, &font.strikeOut, &font.charSet, &font.outPrecision,
          &font.clipPrecision, &font.quality, &font.pitchAndFamily})
        *byte = lowByte(nextFontLine(in));
    std::string_view name = nextFontLine(in);
    encoding = faceNameEncoding(font, encoding);
    // A UTF-8 name is cut only after decoding, at a character's start.
    if (encoding != TextEncoding::utf8)
        name = name.substr(0, std::min(name.size(), kFaceNameLimit));
    std::string scratch;
    assignText(font.faceName, decodeField(name, encoding, scratch));
    return font;
}
